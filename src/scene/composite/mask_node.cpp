#include "scene/composite/mask_node.h"

#include <algorithm>

#include "graphics/blend_mode.h"
#include "graphics/draw_image.h"
#include "graphics/placement.h"
#include "platform/error_report.h"
#include "scene/drawn_node_rules.h"
#include "scene/rect_math.h"
#include "script/script_command.h"
#include "transitions/screen_transition.h"

namespace {

constexpr int kPlaceMaskPicture = 46;
constexpr int kPlaceWorkPicture = 55;
constexpr double kVisibleAbove = 0.001;

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// Whether a node below changed: content nested in a group (a class node
// holding its picture) changes the composition as much as a direct child.
bool AnyDescendantDirty(const CNode& node) {
    for (const auto& entry : node.GetChildren()) {
        if (entry.second->IsDirty() || AnyDescendantDirty(*entry.second)) return true;
    }
    return false;
}

}  // namespace

CMaskNode::CMaskNode(int x, int y, int z, std::string file, bool childrenFollow)
    : CSceneNode(x, y, z), file_(std::move(file)), childrenFollow_(childrenFollow) {}

CMaskNode::CMaskNode(const CMaskNode& other)
    : CSceneNode(other), file_(other.file_), childrenFollow_(other.childrenFollow_) {}

CMaskNode::~CMaskNode() {
    CSceneNode::Clear();
    transition_.Remove();
}

void CMaskNode::Reset() {
    if (mask_.Load(file_, false) != 0) ErrorReport(ErrorKind::Graphic, kModuleHitLineMaskNode, kPlaceMaskPicture);
    int width = 0;
    int height = 0;
    mask_.GetSize(width, height);
    if (work_.CreateUncleared(width, height) != 0) {
        ErrorReport(ErrorKind::Graphic, kModuleHitLineMaskNode, kPlaceWorkPicture);
    }
    composed_ = false;
    CSceneNode::Reset();
}

void CMaskNode::Clear() {
    mask_.Destroy();
    work_.Destroy();
    transition_.Remove();
    CSceneNode::Clear();
}

CNode* CMaskNode::Clone() { return new CMaskNode(*this); }

void CMaskNode::Update(int milliseconds) {
    CSceneNode::Update(milliseconds);
    // The identity stands for "whatever the own placement is".
    transition_.Update(kIdentity, milliseconds);
    if (AnyDescendantDirty(*this)) {
        InvalidateAll();
        composed_ = false;
    }
}

void CMaskNode::Compose() {
    int width = 0;
    int height = 0;
    work_.GetSize(width, height);
    // Cleared first, so no pixel of an earlier composition (or of the new
    // picture's memory) shows where no child draws now.
    std::fill_n(work_.GetPixels(), static_cast<size_t>(width) * height, 0u);
    const CTransform2D& own = GetPlacement();
    CTransform2D children = kIdentity;
    if (!childrenFollow_) {
        // A mask zoomed flat has no inverse; it shows nothing anyway.
        if (own.zoomX <= kVisibleAbove || own.zoomY <= kVisibleAbove) return;
        // Undoes the placement: the children stay where they are in the
        // parent while the mask moves over them.
        children = CTransform2D(-own.x / own.zoomX, -own.y / own.zoomY, 1, 1 / own.zoomX, 1 / own.zoomY,
                                -own.rotation);
    }
    for (CNode* child : ChildrenInDrawingOrder()) child->Draw(work_, children, nullptr);
    const Color32* mask = mask_.GetPixels();
    Color32* work = work_.GetPixels();
    const size_t count = static_cast<size_t>(width) * height;
    for (size_t i = 0; i < count; ++i) work[i] = (work[i] & 0x00FFFFFF) | (mask[i] & 0xFF) << 24;
}

void CMaskNode::DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    if (!work_.GetPixels()) return;
    if (!composed_) {
        Compose();
        composed_ = true;
    }
    const CTransform2D placement = ComposedPlacement(*this, parent);
    work_.SetHasAlpha(true);
    if (transition_.Draws(placement)) {
        const int level = OpacityByte(placement.opacity);
        if (level == 0) return;
        // A Normal draw weighted by the work picture's alpha, as the plain road.
        const DrawVariant variant = level < 255 ? kDrawSourceAlphaOpacity : kDrawSourceAlpha;
        transition_.Get()->Draw(&target, &placement, static_cast<uint32_t>(level), &work_, nullptr, clip,
                                MakeDrawCode(kBlendNormal, variant));
        return;
    }
    DrawImageNormal(target, work_, placement, true, nullptr, clip);
}

void CMaskNode::Draw(CMemorySurface& target, CTransform2D parent, const RECT* clip) { DrawSelf(target, parent, clip); }

void CMaskNode::ApplyCommand(CScriptCommand* command) {
    if (command->GetCategory() != kCategoryTransition) {
        CSceneNode::ApplyCommand(command);
        return;
    }
    transition_.Attach(*command, *this);
    SetDirty();
}

void CMaskNode::GetSize(int* width, int* height) {
    *width = 0;
    *height = 0;
    mask_.GetSize(*width, *height);
}

void CMaskNode::GetLocalRect(RECT* out) {
    if (CScreenTransition* transition = transition_.Get()) {
        transition->GetSurfaceBounds(out, &GetPlacement(), &work_);
        return;
    }
    int width = 0;
    int height = 0;
    GetSize(&width, &height);
    *out = {0, 0, width, height};
    GetPlacement().MapRect(*out);
}

void CMaskNode::GetDrawnRect(const CTransform2D& parent, RECT* out) {
    int width = 0;
    int height = 0;
    GetSize(&width, &height);
    *out = ComposedBoxRect(*this, parent, width, height);
    // Either road may draw, whichever the composed placement chooses; the
    // transition draws the work picture.
    work_.GetSize(width, height);
    *out = UniteRects(*out, transition_.Reach(ComposedPlacement(*this, parent), width, height));
}

CTransform2D* CMaskNode::GetTransform(CTransform2D* out) {
    *out = childrenFollow_ ? GetPlacement() : kIdentity;
    return out;
}

int CMaskNode::GetNodeKind() { return kNodeKindMask; }

bool CMaskNode::IsVisible(const CTransform2D& parent) {
    const CTransform2D composed = ChildTransform(parent);
    return composed.opacity > kVisibleAbove && composed.zoomX > kVisibleAbove && composed.zoomY > kVisibleAbove;
}

bool CMaskNode::IsOpaque(const CTransform2D&) { return false; }

bool CMaskNode::IsAnimating(AnimatorSelector which) {
    return CSceneNode::IsAnimating(which) || transition_.IsAnimating(kIdentity, which);
}

unsigned CMaskNode::GetAnimationTimeLeft(AnimatorSelector which) {
    return transition_.TimeLeft(kIdentity, which, CSceneNode::GetAnimationTimeLeft(which));
}

bool CMaskNode::HitTestSelf(double, double, CTransform2D) { return false; }

bool CMaskNode::HitTestPath(double x, double y, CTransform2D parent, std::string* path) {
    RECT area;
    GetLocalRect(&area);
    parent.MapRect(area);
    const POINT point = {static_cast<LONG>(x), static_cast<LONG>(y)};
    if (!PtInRect(&area, point)) return false;
    return CSceneNode::HitTestPath(x, y, parent, path);
}

void CMaskNode::CullOccluded(CTransform2D parent, std::vector<RECT>* pending, const RECT* clip) {
    CullOwnArea(parent, pending, clip);
}

void CMaskNode::DrawRects(CMemorySurface& target, CTransform2D parent) {
    for (const RECT& piece : GetRedrawList()) DrawSelf(target, parent, &piece);
}

void CMaskNode::SubmitDirtyRects(CDirtyRectGrid* grid, CTransform2D parent, const RECT* clip) {
    SubmitOwnArea(grid, parent, clip);
    RECT area;
    GetDrawnRect(parent, &area);
    if (clip) area = IntersectRects(area, *clip);
    const CTransform2D children = ChildTransform(parent);
    VisitChildren([&](const std::string&, CNode* child) {
        child->SubmitDirtyRects(grid, children, &area);
        return true;
    });
}

void CMaskNode::DirtyOwnArea(CTransform2D parent, const RECT*) { DirtyVisibleArea(*this, parent); }

void CMaskNode::RemoveChildAt(ChildMap::iterator position) {
    CSceneNode::RemoveChildAt(position);
    composed_ = false;
}
