#include "scene/color_node.h"

#include "graphics/transformed_fill.h"
#include "scene/drawn_node_rules.h"

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

CNode* CColorNode::Clone() { return new CColorNode(*this); }

void CColorNode::DrawSelf(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    const TransformedFill fill = FillForMode(blendMode_);
    if (!fill) return;
    int width = 0;
    int height = 0;
    GetSize(&width, &height);
    fill(target, color_, ComposedPlacement(*this, parent), width, height, clip);
}

void CColorNode::GetSize(int* width, int* height) {
    *width = width_;
    *height = height_;
}

void CColorNode::GetLocalRect(RECT* out) {
    *out = PlacedRect(GetPlacement(), width_, height_);
}

int CColorNode::GetNodeKind() { return kNodeKindColor; }

bool CColorNode::IsVisible(const CTransform2D& parent) { return IsDrawnVisible(*this, parent); }

bool CColorNode::IsOpaque(const CTransform2D& parent) {
    const CTransform2D placement = ComposedPlacement(*this, parent);
    if (placement.IsRotated() || placement.opacity < 1.0) return false;
    // A rectangle widened to whole pixels holds pixels the fill leaves.
    if (!IsPixelExact(GetPlacement(), width_, height_)) return false;
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
