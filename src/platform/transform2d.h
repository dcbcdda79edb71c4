// The placement of everything that is drawn: translation, opacity, zoom and
// rotation relative to a parent, and, composed down the node tree, relative
// to the screen. A local point (u, v) maps outwards as: scale by the zooms,
// rotate (a positive angle turns from the x axis towards the y axis, that
// is clockwise on the screen), then translate.
#pragma once

#include <windows.h>

struct CTransform2D {
    CTransform2D(double x, double y, double opacity, double zoomX, double zoomY, double rotation)
        : x(x), y(y), opacity(opacity), zoomX(zoomX), zoomY(zoomY), rotation(rotation) {}

    // The rotation counts when its remainder modulo 360 is further than
    // 0.001 degrees from 0; the drawing routines choose the rotated path by
    // the same rule.
    bool IsRotated() const;
    // Both zooms within 0.001 of 1: drawing need not scale.
    bool IsUnscaled() const;

    // Turns this, a parent's placement, into the child's placement in the
    // parent's outer coordinates.
    void Compose(const CTransform2D& child);

    // Maps a local point outwards; the results are truncated towards zero.
    void MapPoint(int& px, int& py) const;
    void MapPoint(POINT& p) const;
    // Maps an outer point into local coordinates; a zoom of exactly 0 gives
    // 2147483647.0 for its coordinate.
    void InverseMapPoint(double& px, double& py) const;
    void InverseMapPoint(POINT& p) const;
    // Maps a local rectangle outwards, in place, and returns it: translated
    // or scaled edges rounded half away from zero, or, when rotated, the
    // bounding box of the four corners grown to whole pixels.
    RECT MapRect(RECT& rect) const;
    // Maps (points[0], points[1]) and (points[2], points[3]) outwards.
    void MapSegment(double points[4]) const;

    double x;
    double y;
    double opacity;
    double zoomX;
    double zoomY;
    double rotation;  // degrees

private:
    void MapOutwards(double& u, double& v) const;
};
