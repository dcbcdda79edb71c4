#include "scene/drawn_node_rules.h"

#include "graphics/placement.h"
#include "scene/node.h"

CTransform2D ComposedPlacement(const CNode& node, CTransform2D parent) {
    parent.Compose(node.GetPlacement());
    return parent;
}

bool IsDrawnVisible(const CNode& node, const CTransform2D& parent) {
    return IsPlacementVisible(ComposedPlacement(node, parent));
}

RECT PlacedRect(const CTransform2D& placement, int width, int height) {
    RECT rect = {0, 0, width, height};
    placement.MapRect(rect);
    if (placement.IsRotated()) {
        ++rect.right;
        ++rect.bottom;
    }
    return rect;
}

void DirtyVisibleArea(CNode& node, const CTransform2D& parent) {
    if (!node.IsVisible(parent)) return;
    RECT area;
    node.GetLocalRect(&area);
    node.AddDirtyRect(area);
}
