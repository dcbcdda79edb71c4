// What the balloon's clocks make of its placement, and how it is drawn,
// measured, hit and waited for under that placement.
#include <algorithm>

#include "graphics/blend_mode.h"
#include "graphics/draw_image.h"
#include "graphics/placement.h"
#include "scene/drawn_node_rules.h"
#include "scene/rect_math.h"
#include "text/balloon/balloon_node.h"
#include "transitions/screen_transition.h"

CTransform2D CBalloonNode::AnimatedPlacement() const {
    const BalloonPlacement values = motion_.Placement(width_, height_);
    const int halfWidth = width_ / 2;
    const int halfHeight = height_ / 2;
    CTransform2D placement = GetPlacement();
    placement.Compose(CTransform2D(halfWidth, halfHeight, values.opacity, values.zoomX, values.zoomY, 0));
    placement.Compose(CTransform2D(-halfWidth, values.dy - halfHeight, 1, 1, 1, 0));
    return placement;
}

CTransform2D* CBalloonNode::GetTransform(CTransform2D* out) {
    *out = AnimatedPlacement();
    return out;
}

CTransform2D CBalloonNode::Composed(CTransform2D parent) const {
    parent.Compose(AnimatedPlacement());
    return parent;
}

bool CBalloonNode::TransitionCounts() const {
    return transition_.Get() && IsUntransformed(AnimatedPlacement());
}

void CBalloonNode::DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    if (width_ == 0 || height_ == 0 || motion_.State() == kBalloonHidden) return;
    const CTransform2D composed = Composed(parent);
    if (transition_.Get() && IsUntransformed(composed)) {
        const int level = OpacityByte(composed.opacity);
        if (level == 0) return;
        const DrawVariant variant = level < 255 ? kDrawSourceAlphaOpacity : kDrawSourceAlpha;
        transition_.Get()->Draw(&target, &composed, static_cast<uint32_t>(level), &picture_, nullptr, clip,
                                MakeDrawCode(kBlendNormal, variant));
        return;
    }
    DrawImageNormal(target, picture_, composed, true, nullptr, clip);
}

void CBalloonNode::GetLocalRect(RECT* out) {
    const CTransform2D placement = AnimatedPlacement();
    if (CScreenTransition* transition = transition_.Get()) {
        transition->GetSurfaceBounds(out, &placement, &picture_);
        return;
    }
    *out = PlacedRect(placement, width_, height_);
}

bool CBalloonNode::IsVisible(const CTransform2D& parent) {
    return motion_.State() != kBalloonHidden && IsPlacementVisible(Composed(parent));
}

bool CBalloonNode::HitTestSelf(double x, double y, CTransform2D parent) {
    if (!IsHitEnabled() || !IsVisible(parent)) return false;
    const int state = motion_.State();
    if (state != kBalloonShown && state != kBalloonShownAtOnce) return false;
    if (!regions_) return false;
    Composed(parent).InverseMapPoint(x, y);
    return PtInRegion(regions_->hit.Get(), static_cast<int>(x), static_cast<int>(y)) != FALSE;
}

bool CBalloonNode::IsAnimating(AnimatorSelector which) {
    if (CSceneNode::IsAnimating(which)) return true;
    if (which != kAnimatorAny && which != kAnimatorScript) return false;
    if (motion_.IsEntering()) return true;
    return TransitionCounts() && transition_.Get()->IsRunning();
}

unsigned CBalloonNode::GetAnimationTimeLeft(AnimatorSelector which) {
    unsigned left = CSceneNode::GetAnimationTimeLeft(which);
    if (which != kAnimatorAny && which != kAnimatorScript) return left;
    if (TransitionCounts()) left = std::max(left, transition_.Get()->GetTimeLeft());
    if (motion_.IsEntering()) {
        const int enter = motion_.EnterTimeLeft();
        if (enter > 0) left = std::max(left, static_cast<unsigned>(enter));
    }
    return left;
}

void CBalloonNode::GetDrawnRect(const CTransform2D& parent, RECT* out) {
    if (width_ == 0 || height_ == 0 || motion_.State() == kBalloonHidden) {
        *out = EmptyRect();
        return;
    }
    const CTransform2D composed = Composed(parent);
    int width = 0;
    int height = 0;
    picture_.GetSize(width, height);
    // Either road may draw, whichever the composed placement chooses.
    *out = UniteRects(PlacedRect(composed, width, height), transition_.Reach(composed, width, height));
}

void CBalloonNode::DirtyOwnArea(CTransform2D parent, const RECT*) { DirtyVisibleArea(*this, parent); }
