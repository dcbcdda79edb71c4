#include "scene/window_node.h"

#include "platform/error_report.h"
#include "scene/dirty_rect_grid.h"
#include "scene/rect_math.h"

namespace {

constexpr int kPlaceNegativeWidth = 19;
constexpr int kPlaceNegativeHeight = 20;
constexpr double kVisibleAbove = 0.001;

}  // namespace

CWindowNode::CWindowNode(int x, int y, int z, int width, int height, bool childrenFollow)
    : CSceneNode(x, y, z), width_(width), height_(height), childrenFollow_(childrenFollow) {
    if (width < 0) ErrorReport(ErrorKind::Internal, kModuleWindowNode, kPlaceNegativeWidth);
    if (height < 0) ErrorReport(ErrorKind::Internal, kModuleWindowNode, kPlaceNegativeHeight);
}

CWindowNode::CWindowNode(const CWindowNode& other)
    : CSceneNode(other),
      width_(other.width_),
      height_(other.height_),
      childrenFollow_(other.childrenFollow_) {}

CNode* CWindowNode::Clone() { return new CWindowNode(*this); }

RECT CWindowNode::ScreenRect(const CTransform2D& parent, const RECT* clip) {
    RECT area;
    GetLocalRect(&area);
    parent.MapRect(area);
    if (IsEmptyRect(area)) return EmptyRect();
    return clip ? IntersectRects(area, *clip) : area;
}

void CWindowNode::Draw(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    const RECT window = ScreenRect(parent, clip);
    CSceneNode::Draw(target, parent, &window);
}

void CWindowNode::GetSize(int* width, int* height) {
    *width = width_;
    *height = height_;
}

void CWindowNode::GetLocalRect(RECT* out) {
    *out = {0, 0, width_, height_};
    GetPlacement().MapRect(*out);
}

CTransform2D* CWindowNode::GetTransform(CTransform2D* out) {
    *out = childrenFollow_ ? GetPlacement() : CTransform2D(0, 0, 1, 1, 1, 0);
    return out;
}

int CWindowNode::GetNodeKind() { return kNodeKindWindow; }

bool CWindowNode::HitTestPath(double x, double y, CTransform2D parent, std::string* path) {
    RECT area;
    GetLocalRect(&area);
    parent.MapRect(area);
    const POINT point = {static_cast<LONG>(x), static_cast<LONG>(y)};
    if (!PtInRect(&area, point)) return false;
    return CSceneNode::HitTestPath(x, y, parent, path);
}

void CWindowNode::CullOccluded(CTransform2D parent, std::vector<RECT>* pending,
                               const RECT* clip) {
    const CTransform2D children = ChildTransform(parent);
    if (children.opacity <= kVisibleAbove || children.zoomX <= kVisibleAbove ||
        children.zoomY <= kVisibleAbove) {
        return;
    }
    const RECT window = ScreenRect(parent, clip);
    if (IsEmptyRect(window)) return;
    // The base visits the children topmost first inside the clip; the window
    // itself is invisible, so it adds nothing and hides nothing.
    CSceneNode::CullOccluded(parent, pending, &window);
}

void CWindowNode::SubmitDirtyRects(CDirtyRectGrid* grid, CTransform2D parent, const RECT* clip) {
    SubmitOwnArea(grid, parent, clip);
    const RECT window = ScreenRect(parent, clip);
    const CTransform2D children = ChildTransform(parent);
    VisitChildren([&](const std::string&, CNode* child) {
        child->SubmitDirtyRects(grid, children, &window);
        return true;
    });
}
