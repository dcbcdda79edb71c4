// The rules every node kind that paints pixels shares: when its placement
// counts as untransformed, when it shows anything at all, and how its area
// joins the dirty rectangle.
#pragma once

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

// While the node is visible under the parent transform, its local rectangle
// joins its dirty rectangle.
void DirtyVisibleArea(CNode& node, const CTransform2D& parent);
