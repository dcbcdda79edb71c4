#include "scene/picture_node.h"

#include <cmath>

#include "graphics/blend_mode.h"
#include "graphics/draw_image.h"
#include "graphics/memory_surface.h"
#include "graphics/placement.h"
#include "scene/drawn_node_rules.h"
#include "scene/rect_math.h"
#include "script/script_command.h"
#include "transitions/screen_transition.h"

namespace {

constexpr double kOpaqueFrom = 0.999;
constexpr int kAlphaHitAbove = 128;

// The blend mode a draw mode draws with: Add to Overlay keep their numbers,
// every other value is Normal.
BlendMode BlendModeFor(int drawMode) {
    if (drawMode >= kPictureDrawAdd && drawMode <= kPictureDrawOverlay) {
        return static_cast<BlendMode>(drawMode);
    }
    return kBlendNormal;
}

}  // namespace

CPictureNode::CPictureNode(int x, int y, int z, int drawMode)
    : CSceneNode(x, y, z), drawMode_(drawMode) {}

CPictureNode::CPictureNode(const CPictureNode& other)
    : CSceneNode(other), drawMode_(other.drawMode_) {}

CPictureNode::~CPictureNode() { transition_.Remove(); }

void CPictureNode::Clear() {
    transition_.Remove();
    CSceneNode::Clear();
}

void CPictureNode::Update(int milliseconds) {
    transition_.Update(GetPlacement(), milliseconds);
    CSceneNode::Update(milliseconds);
}

void CPictureNode::ApplyCommand(CScriptCommand* command) {
    if (command->GetCategory() != kCategoryTransition) {
        CSceneNode::ApplyCommand(command);
        return;
    }
    transition_.Attach(*command, *this);
    SetDirty();
}

bool CPictureNode::IsAnimating(AnimatorSelector which) {
    return CSceneNode::IsAnimating(which) || transition_.IsAnimating(GetPlacement(), which);
}

unsigned CPictureNode::GetAnimationTimeLeft(AnimatorSelector which) {
    return transition_.TimeLeft(GetPlacement(), which, CSceneNode::GetAnimationTimeLeft(which));
}

void CPictureNode::DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    CMemorySurface* surface = GetSurface();
    if (!surface) return;
    // An empty source rectangle has nothing to draw; the turned draw would
    // read at its corners all the same.
    int width = 0;
    int height = 0;
    GetSize(&width, &height);
    if (width <= 0 || height <= 0) return;
    const CTransform2D placement = ComposedPlacement(*this, parent);
    if (transition_.Draws(placement)) {
        // The transition gets the whole picture: the source rectangle is
        // not handed on.
        const int level = OpacityByte(placement.opacity);
        if (level == 0) return;
        const int variant = (surface->HasAlpha() ? kDrawSourceAlpha : kDrawOpaque) +
                            (level < 255 ? kDrawOpacity : kDrawOpaque);
        transition_.Get()->Draw(&target, &placement, static_cast<uint32_t>(level), surface,
                                nullptr, clip,
                                MakeDrawCode(BlendModeFor(drawMode_),
                                             static_cast<DrawVariant>(variant)));
        return;
    }
    DrawImageForMode(BlendModeFor(drawMode_))(target, *surface, placement, surface->HasAlpha(),
                                              GetSourceRect(), clip);
}

void CPictureNode::GetSize(int* width, int* height) {
    if (const RECT* source = GetSourceRect()) {
        *width = source->right - source->left;
        *height = source->bottom - source->top;
        return;
    }
    *width = 0;
    *height = 0;
    if (CMemorySurface* surface = GetSurface()) surface->GetSize(*width, *height);
}

void CPictureNode::GetLocalRect(RECT* out) {
    if (!GetSurface()) {
        *out = EmptyRect();
        return;
    }
    int width = 0;
    int height = 0;
    GetSize(&width, &height);
    *out = PlacedRect(GetPlacement(), width, height);
    if (CScreenTransition* transition = transition_.Get()) {
        // Either road may draw, whichever the parent's transform chooses.
        RECT bounds;
        transition->GetSurfaceBounds(&bounds, &GetPlacement(), GetSurface());
        *out = UniteRects(*out, bounds);
    }
}

void CPictureNode::GetDrawnRect(const CTransform2D& parent, RECT* out) {
    if (!GetSurface()) {
        *out = EmptyRect();
        return;
    }
    int width = 0;
    int height = 0;
    GetSize(&width, &height);
    *out = ComposedBoxRect(*this, parent, width, height);
    // Either road may draw, whichever the composed placement chooses; the
    // transition draws the whole picture.
    GetSurface()->GetSize(width, height);
    *out = UniteRects(*out, transition_.Reach(ComposedPlacement(*this, parent), width, height));
}

bool CPictureNode::IsVisible(const CTransform2D& parent) { return IsDrawnVisible(*this, parent); }

bool CPictureNode::IsOpaque(const CTransform2D& parent) {
    const CTransform2D placement = ComposedPlacement(*this, parent);
    if (placement.IsRotated() || placement.opacity < kOpaqueFrom) return false;
    CMemorySurface* surface = GetSurface();
    if (!surface || surface->HasAlpha() || drawMode_ != kPictureDrawNormal) return false;
    int width = 0;
    int height = 0;
    if (transition_.Get()) {
        // The rectangle holds both roads: only the transition's, which draws
        // the whole picture, covers it, and only while it shows the picture
        // untouched.
        if (!transition_.Draws(placement) || !transition_.Get()->IsFullyShown()) return false;
        surface->GetSize(width, height);
    } else {
        GetSize(&width, &height);
    }
    // A rectangle widened to whole pixels holds pixels the picture leaves.
    return IsPixelExact(GetPlacement(), width, height);
}

bool CPictureNode::HitTestSelf(double x, double y, CTransform2D parent) {
    if (!IsHitEnabled() || !IsVisible(parent)) return false;
    RECT area;
    GetLocalRect(&area);
    parent.MapRect(area);
    POINT point = {static_cast<LONG>(x), static_cast<LONG>(y)};
    if (!PtInRect(&area, point)) return false;
    int width = 0;
    int height = 0;
    GetSize(&width, &height);
    const CTransform2D placement = ComposedPlacement(*this, parent);
    CMemorySurface* surface = GetSurface();
    if (surface->HasAlpha()) {
        placement.InverseMapPoint(point);
        if (point.x < 0 || point.x >= width || point.y < 0 || point.y >= height) return false;
        const RECT* source = GetSourceRect();
        const int column = point.x + (source ? source->left : 0);
        const int row = point.y + (source ? source->top : 0);
        const int alpha = static_cast<int>(surface->GetPixel(column, row) >> 24);
        return static_cast<int>(std::trunc(placement.opacity * alpha)) > kAlphaHitAbove;
    }
    placement.InverseMapPoint(x, y);
    return x >= 0 && x < width && y >= 0 && y < height;
}

void CPictureNode::DirtyOwnArea(CTransform2D parent, const RECT*) {
    DirtyVisibleArea(*this, parent);
}
