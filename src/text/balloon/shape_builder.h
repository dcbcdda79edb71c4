// The shared machinery of the shape generators: the shape rectangle in the
// double-resolution space, the ellipse walk, the walk along the rectangle's
// sides, the speech and think tails and the text-area modes.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "text/balloon/shape_regions.h"

enum TailKind : int {
    kNoTail = 0,
    kTailEllipse = 1,  // anchored on the ellipse
    kTailRectangle = 2,  // anchored on the box, clamped to its inner part
    kTailCorner = 3,  // anchored on the box's inscribed ellipse, clamped
    kThinkTail = 4,  // three bubbles
};

// The sides of the shape rectangle in walking order (clockwise from the
// top-left corner).
enum RectSide : int { kSideTop = 0, kSideRight = 1, kSideBottom = 2, kSideLeft = 3 };

class CShapeBuilder {
public:
    CShapeBuilder(const BalloonShapeInput& input, BalloonShapeRegions& out);

    // The shape rectangle (2x space) and the balloon's own size.
    const int x, y, w, h;
    const int W, H;
    const int halfW, halfH;  // w / 2, h / 2
    const int D;  // trunc(hypot(w, h))
    const int tailAngle;
    const double tailRadians;

    // The point at angle t and radius value rho of the ellipse walk, moved by
    // (dx, dy) before truncation.
    POINT EllipsePoint(double t, double rho, double dx = 0, double dy = 0) const;
    // hypot(w, h) before truncation, from which some walks count their points.
    double Diagonal() const;
    // N points, point i at i * 2pi / N + start on the radius rho(i), called in
    // order. No points when D is 0.
    std::vector<POINT> EllipseWalk(int count, double start,
                                   const std::function<double(int)>& rho) const;
    // Point j of n along a side of the rectangle inset by inset, moved
    // inward (negative: outward) by the amount, truncated.
    POINT SidePoint(RectSide side, int inset, int j, int n, double inward) const;
    // The length of the shape rectangle's side: w for top and bottom.
    int SideLength(RectSide side) const;

    CGdiRegion ShapeEllipse(int inset) const;
    CGdiRegion ShapeRectangle(int inset) const;

    // Tail corner (px, py) turned by the angle and placed at the anchor.
    static POINT TurnCorner(double px, double py, double radians, double cx, double cy);
    // The mode-2 anchor of an angle, clamped into the balloon's inner box.
    void RectangleAnchor(double radians, double& cx, double& cy) const;

    void AddTail(int kind);
    void SetTextArea(int mode);

    CGdiRegion& Paint() { return out_.paint; }

private:
    void AddSpeechTail(int mode);
    void AddThinkTail();

    const bool tailOn_;
    BalloonShapeRegions& out_;
};
