// The rules every node kind that paints pixels shares: when its placement
// counts as untransformed, when it shows anything at all, and how its area
// joins the dirty rectangle.
#pragma once

#include <windows.h>

#include "platform/transform2d.h"

class CNode;

// Neither turned nor zoomed, within the drawing routines' 0.001 tolerances
// (360 and -720 degrees count as unturned).
inline bool IsUntransformed(const CTransform2D& placement) {
    return !placement.IsRotated() && placement.IsUnscaled();
}

// The parent transform composed with the node's placement.
CTransform2D ComposedPlacement(const CNode& node, CTransform2D parent);

// Opacity and both zooms of the composed placement above 0.001, the test the
// drawing routines make before they draw.
bool IsDrawnVisible(const CNode& node, const CTransform2D& parent);

// The rectangle a width x height box covers under the placement, in the
// placement's outer coordinates, made to hold every pixel the box is drawn
// on (under an unevenly zoomed parent, a turned box is drawn elsewhere: see
// ComposedBoxRect):
// - unturned, its edges are the placed edges pushed outwards to whole
//   pixels. The drawing rounds the edges it finds after the parent's
//   transform is composed in, so a box at a fractional place inside a parent
//   at a fractional place can land a pixel beyond its own rounded edges;
// - turned, the bounding box of its corners grown to whole pixels and one
//   pixel more on the right and at the bottom: the edge table paints the
//   pixel a corner lands on, also when the corner lies exactly on the edge
//   where the bounding box stops.
// An empty box covers nothing.
RECT PlacedRect(const CTransform2D& placement, int width, int height);

// The placed box is unturned and its edges fall on whole pixels, so
// PlacedRect holds no pixel that the box does not cover.
bool IsPixelExact(const CTransform2D& placement, int width, int height);

// A rectangle in the transform's inner coordinates mapped to its outer ones
// as a drawing there reaches: under a turn, the bounding box gets one pixel
// more on the right and at the bottom, since the edge table paints the pixel
// a turned corner lands on, also exactly on the box's right or bottom edge.
RECT MapDrawnRect(const CTransform2D& transform, RECT rect);

// The screen rectangle holding every pixel of a width x height box drawn at
// the parent transform composed with the node's placement: the box is zoomed
// and turned as a whole, so its corners are placed by the composed
// placement, not by the node's own and then the parent's.
RECT ComposedBoxRect(const CNode& node, const CTransform2D& parent, int width, int height);

// While the node is visible under the parent transform, the screen area it
// draws joins this frame's new area.
void DirtyVisibleArea(CNode& node, const CTransform2D& parent);
