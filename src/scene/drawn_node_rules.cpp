#include "scene/drawn_node_rules.h"

#include <climits>
#include <cmath>

#include "graphics/placement.h"
#include "scene/node.h"
#include "scene/rect_math.h"

CTransform2D ComposedPlacement(const CNode& node, CTransform2D parent) {
    parent.Compose(node.GetPlacement());
    return parent;
}

bool IsDrawnVisible(const CNode& node, const CTransform2D& parent) {
    return IsPlacementVisible(ComposedPlacement(node, parent));
}

namespace {

// Inside the int range, so that a far-off edge cannot overflow.
LONG ToEdge(double v) {
    if (!(v > -2147483648.0)) return LONG_MIN;
    if (v >= 2147483647.0) return LONG_MAX;
    return static_cast<LONG>(v);
}

// The unturned box's edges before rounding: left, top, right, bottom. A zoom
// within the drawing's tolerance of 1 draws one to one.
void PlacedEdges(const CTransform2D& placement, int width, int height, double edges[4]) {
    const double scaleX = placement.IsUnscaled() ? 1.0 : placement.zoomX;
    const double scaleY = placement.IsUnscaled() ? 1.0 : placement.zoomY;
    edges[0] = placement.x;
    edges[1] = placement.y;
    edges[2] = placement.x + width * scaleX;
    edges[3] = placement.y + height * scaleY;
}

}  // namespace

RECT PlacedRect(const CTransform2D& placement, int width, int height) {
    if (width <= 0 || height <= 0) return EmptyRect();
    if (placement.IsRotated()) {
        RECT rect = {0, 0, width, height};
        placement.MapRect(rect);
        ++rect.right;
        ++rect.bottom;
        return rect;
    }
    double edges[4];
    PlacedEdges(placement, width, height, edges);
    return RECT{ToEdge(std::floor(edges[0])), ToEdge(std::floor(edges[1])),
                ToEdge(std::ceil(edges[2])), ToEdge(std::ceil(edges[3]))};
}

RECT MapDrawnRect(const CTransform2D& transform, RECT rect) {
    if (IsEmptyRect(rect)) return rect;
    transform.MapRect(rect);
    if (transform.IsRotated()) {
        ++rect.right;
        ++rect.bottom;
    }
    return rect;
}

bool IsPixelExact(const CTransform2D& placement, int width, int height) {
    if (placement.IsRotated()) return false;
    double edges[4];
    PlacedEdges(placement, width, height, edges);
    for (double edge : edges) {
        if (edge != std::floor(edge)) return false;
    }
    return true;
}

RECT ComposedBoxRect(const CNode& node, const CTransform2D& parent, int width, int height) {
    return PlacedRect(ComposedPlacement(node, parent), width, height);
}

void DirtyVisibleArea(CNode& node, const CTransform2D& parent) {
    if (!node.IsVisible(parent)) return;
    RECT area;
    node.GetDrawnRect(parent, &area);
    node.AddDrawnRect(area);
}
