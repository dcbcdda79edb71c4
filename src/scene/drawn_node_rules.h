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
// placement's outer coordinates. A turned box is drawn through the edge
// table, which paints the pixel a corner lands on even when the corner lies
// exactly on the pixel's left or top edge, where the bounding box stops:
// its right and bottom edges are widened by one pixel so that the rectangle
// holds every pixel drawn.
RECT PlacedRect(const CTransform2D& placement, int width, int height);

// While the node is visible under the parent transform, its local rectangle
// joins its dirty rectangle.
void DirtyVisibleArea(CNode& node, const CTransform2D& parent);
