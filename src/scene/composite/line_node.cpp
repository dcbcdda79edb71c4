#include "scene/composite/line_node.h"

#include <cmath>
#include <vector>

#include "graphics/lines.h"
#include "graphics/placement.h"
#include "scene/drawn_node_rules.h"
#include "scene/rect_math.h"

namespace {

constexpr Color32 kColorBits = 0x00FFFFFF;
constexpr Color32 kOpaque = 0xFF000000;
// Pixels around a vertex's place that its drawing can reach.
constexpr LONG kVertexMargin = 2;
// How far a sloped line's blended neighbour lies beyond the pixels it joins.
constexpr LONG kNeighbourReach = 1;

// The pixel a place lies on, kept inside the int range.
LONG ToPixel(double v) {
    if (!(v > -1e9)) return static_cast<LONG>(-1e9);
    if (v >= 1e9) return static_cast<LONG>(1e9);
    return static_cast<LONG>(std::floor(v));
}

}  // namespace

CLineNode::CLineNode(int x, int y, int z, int style, Color32 color)
    : CSceneNode(x, y, z), style_(style), color_(color & kColorBits) {}

CLineNode::CLineNode(const CLineNode& other) : CSceneNode(other), style_(other.style_), color_(other.color_) {}

CNode* CLineNode::Clone() { return new CLineNode(*this); }

void CLineNode::Update(int milliseconds) {
    CSceneNode::Update(milliseconds);
    for (CNode* vertex : ChildrenInDrawingOrder()) {
        if (vertex->IsDirty()) {
            SetDirty();
            return;
        }
    }
}

std::vector<POINT> CLineNode::JoinedPoints(const CTransform2D& placement) const {
    const std::vector<CNode*> vertices = ChildrenInDrawingOrder();
    std::vector<POINT> points;
    if (vertices.size() < 2) return points;
    points.reserve(vertices.size());
    for (CNode* vertex : vertices) {
        CTransform2D at = placement;
        at.Compose(vertex->GetPlacement());
        points.push_back({static_cast<LONG>(at.x), static_cast<LONG>(at.y)});
    }
    return points;
}

void CLineNode::DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    const CTransform2D placement = ComposedPlacement(*this, parent);
    // Drawn opaque, so a faded-out line must not draw at all.
    if (!IsPlacementVisible(placement)) return;
    const std::vector<POINT> points = JoinedPoints(placement);
    if (points.empty()) return;
    const Color32 colour = color_ | kOpaque;
    for (size_t i = 1; i < points.size(); ++i) {
        // Separate segments take the vertices in pairs.
        if (style_ == kLineSegments && i % 2 == 0) continue;
        DrawLinePiece(target, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, colour, clip);
    }
    if (style_ == kLineClosed) {
        DrawLinePiece(target, points.back().x, points.back().y, points.front().x, points.front().y, colour, clip);
    }
}

void CLineNode::GetSize(int* width, int* height) {
    RECT area;
    GetLocalRect(&area);
    *width = area.right - area.left;
    *height = area.bottom - area.top;
}

void CLineNode::GetLocalRect(RECT* out) {
    RECT area = EmptyRect();
    for (CNode* vertex : ChildrenInDrawingOrder()) {
        CTransform2D at = GetPlacement();
        at.Compose(vertex->GetPlacement());
        // The vertex's own place in the parent's space, whole pixels around
        // it: the drawing truncates the place after the parent's transform is
        // composed in, which can land a pixel off, and the blended neighbour
        // across the line lies one pixel further.
        const LONG x = ToPixel(at.x);
        const LONG y = ToPixel(at.y);
        area = UniteRects(area, RECT{x - kVertexMargin, y - kVertexMargin, x + kVertexMargin + 1,
                                     y + kVertexMargin + 1});
    }
    *out = area;
}

void CLineNode::GetDrawnRect(const CTransform2D& parent, RECT* out) {
    RECT area = EmptyRect();
    for (const POINT& point : JoinedPoints(ComposedPlacement(*this, parent))) {
        area = UniteRects(area, RECT{point.x - kNeighbourReach, point.y - kNeighbourReach,
                                     point.x + kNeighbourReach + 1, point.y + kNeighbourReach + 1});
    }
    *out = area;
}

int CLineNode::GetNodeKind() { return kNodeKindLine; }

bool CLineNode::IsVisible(const CTransform2D& parent) { return IsDrawnVisible(*this, parent); }

bool CLineNode::HitTestSelf(double, double, CTransform2D) { return false; }

void CLineNode::DirtyOwnArea(CTransform2D parent, const RECT*) { DirtyVisibleArea(*this, parent); }
