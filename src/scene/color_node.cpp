#include "scene/color_node.h"

#include "graphics/blend_mode.h"
#include "graphics/placement.h"
#include "graphics/transformed_fill.h"
#include "scene/drawn_node_rules.h"
#include "scene/rect_math.h"
#include "script/script_command.h"
#include "transitions/screen_transition.h"

namespace {

constexpr Color32 kColorBits = 0x00FFFFFF;
constexpr Color32 kWhite = 0x00FFFFFF;

using TransformedFill = void (*)(CMemorySurface& dest, Color32 colour,
                                 const CTransform2D& placement, int width, int height,
                                 const RECT* clip);

// The fill of a mode, null for a value that is none.
TransformedFill FillForMode(int mode) {
    static const TransformedFill kFills[] = {
        &FillTransformedNormal,   &FillTransformedAdd,    &FillTransformedSub,
        &FillTransformedMultiply, &FillTransformedScreen, &FillTransformedOverlay,
    };
    if (mode < kColorBlendNormal || mode > kColorBlendOverlay) return nullptr;
    return kFills[mode];
}

}  // namespace

CColorNode::CColorNode(int x, int y, int z, int width, int height, Color32 color, int blendMode)
    : CSceneNode(x, y, z),
      width_(width),
      height_(height),
      color_(color & kColorBits),
      blendMode_(blendMode) {}

CColorNode::CColorNode(const CColorNode& other)
    : CSceneNode(other),
      width_(other.width_),
      height_(other.height_),
      color_(other.color_),
      blendMode_(other.blendMode_) {}

CColorNode::~CColorNode() {
    CSceneNode::Clear();
    transition_.Remove();
}

void CColorNode::Clear() {
    CSceneNode::Clear();
    transition_.Remove();
}

CNode* CColorNode::Clone() { return new CColorNode(*this); }

void CColorNode::Update(int milliseconds) {
    CSceneNode::Update(milliseconds);
    transition_.Update(GetPlacement(), milliseconds);
}

void CColorNode::ApplyCommand(CScriptCommand* command) {
    if (command->GetCategory() != kCategoryTransition) {
        CSceneNode::ApplyCommand(command);
        return;
    }
    transition_.Attach(*command, *this);
    SetDirty();
}

bool CColorNode::IsAnimating(AnimatorSelector which) {
    return CSceneNode::IsAnimating(which) || transition_.IsAnimating(GetPlacement(), which);
}

unsigned CColorNode::GetAnimationTimeLeft(AnimatorSelector which) {
    return transition_.TimeLeft(GetPlacement(), which, CSceneNode::GetAnimationTimeLeft(which));
}

void CColorNode::DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    const TransformedFill fill = FillForMode(blendMode_);
    if (!fill) return;
    int width = 0;
    int height = 0;
    GetSize(&width, &height);
    const CTransform2D placement = ComposedPlacement(*this, parent);
    if (transition_.Draws(placement)) {
        const int level = OpacityByte(placement.opacity);
        if (level == 0) return;
        const TransitionSize size = {width, height};
        const BlendMode mode = static_cast<BlendMode>(blendMode_ + 1);
        transition_.Get()->Draw(&target, &placement, color_ | static_cast<Color32>(level) << 24,
                                nullptr, &size, clip, MakeFillCode(mode, level < 255));
        return;
    }
    fill(target, color_, placement, width, height, clip);
}

void CColorNode::GetSize(int* width, int* height) {
    *width = width_;
    *height = height_;
}

void CColorNode::GetLocalRect(RECT* out) {
    *out = PlacedRect(GetPlacement(), width_, height_);
    if (CScreenTransition* transition = transition_.Get()) {
        // Either road may draw, whichever the parent's transform chooses.
        RECT bounds;
        transition->GetBounds(&bounds, &GetPlacement(), width_, height_);
        *out = UniteRects(*out, bounds);
    }
}

void CColorNode::GetDrawnRect(const CTransform2D& parent, RECT* out) {
    *out = ComposedBoxRect(*this, parent, width_, height_);
    // Either road may draw, whichever the composed placement chooses.
    *out = UniteRects(*out, transition_.Reach(ComposedPlacement(*this, parent), width_, height_));
}

int CColorNode::GetNodeKind() { return kNodeKindColor; }

bool CColorNode::IsVisible(const CTransform2D& parent) { return IsDrawnVisible(*this, parent); }

bool CColorNode::IsOpaque(const CTransform2D& parent) {
    const CTransform2D placement = ComposedPlacement(*this, parent);
    if (placement.IsRotated() || placement.opacity < 1.0) return false;
    // A rectangle widened to whole pixels holds pixels the fill leaves.
    if (!IsPixelExact(GetPlacement(), width_, height_)) return false;
    // The rectangle holds both roads: only the transition's covers it, and
    // only while it shows the rectangle untouched; there Add and Sub fill
    // without the white shortcut, so only Normal covers what lies below.
    if (transition_.Get()) {
        return transition_.Draws(placement) && transition_.Get()->IsFullyShown() &&
               blendMode_ == kColorBlendNormal;
    }
    switch (blendMode_) {
        case kColorBlendNormal: return true;
        // Adding or subtracting white at full opacity gives white or black
        // whatever lies below; any other colour lets the pixels below show.
        case kColorBlendAdd:
        case kColorBlendSub: return color_ == kWhite;
        default: return false;
    }
}

bool CColorNode::HitTestSelf(double x, double y, CTransform2D parent) {
    if (!IsHitEnabled() || !IsVisible(parent)) return false;
    ComposedPlacement(*this, parent).InverseMapPoint(x, y);
    return x >= 0 && x < width_ && y >= 0 && y < height_;
}

void CColorNode::DirtyOwnArea(CTransform2D parent, const RECT*) { DirtyVisibleArea(*this, parent); }
