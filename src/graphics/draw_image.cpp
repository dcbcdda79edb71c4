#include "graphics/draw_image.h"

#include "graphics/blend_blits.h"
#include "graphics/blit_pointers.h"
#include "graphics/image_placement.h"
#include "graphics/rotated_blits.h"

namespace {

// The blits of one mode that a transformed draw can choose.
struct ModeBlits {
    UnweightedBlit opaque;
    WeightedBlit opacity;
    UnweightedBlit half;
    UnweightedBlit alpha;
    WeightedBlit alphaOpacity;
    ScaledBlit scaled;
    ScaledWeightedBlit scaledOpacity;
    ScaledBlit scaledAlpha;
    ScaledWeightedBlit scaledAlphaOpacity;
    RotatedBlit rotated;
    RotatedWeightedBlit rotatedOpacity;
    RotatedBlit rotatedAlpha;
    RotatedWeightedBlit rotatedAlphaOpacity;
};

#define MIRL_MODE_BLITS(mode)                                                                   \
    {&Blit##mode,          &Blit##mode##Opacity,         &Blit##mode##Half,                     \
     &Blit##mode##Alpha,   &Blit##mode##AlphaOpacity,    &BlitScaled##mode,                     \
     &BlitScaled##mode##Opacity, &BlitScaled##mode##Alpha, &BlitScaled##mode##AlphaOpacity,     \
     &BlitRotated##mode,   &BlitRotated##mode##Opacity,  &BlitRotated##mode##Alpha,             \
     &BlitRotated##mode##AlphaOpacity}

void DrawOneToOne(const ModeBlits& blits, const ImageBlit& b, CMemorySurface& dest,
                  const CMemorySurface& src, const RECT* sourceRect, const RECT* clip) {
    switch (b.weighting) {
        case ImageBlitWeighting::Opaque: blits.opaque(dest, b.x, b.y, src, sourceRect, clip); break;
        case ImageBlitWeighting::Opacity:
            blits.opacity(dest, b.x, b.y, src, sourceRect, b.opacity, clip);
            break;
        case ImageBlitWeighting::Half: blits.half(dest, b.x, b.y, src, sourceRect, clip); break;
        case ImageBlitWeighting::Alpha: blits.alpha(dest, b.x, b.y, src, sourceRect, clip); break;
        case ImageBlitWeighting::AlphaOpacity:
            blits.alphaOpacity(dest, b.x, b.y, src, sourceRect, b.opacity, clip);
            break;
    }
}

void DrawScaled(const ModeBlits& blits, const ImageBlit& b, CMemorySurface& dest,
                const CMemorySurface& src, const RECT* sourceRect, const RECT* clip) {
    switch (b.weighting) {
        case ImageBlitWeighting::Opaque: blits.scaled(dest, src, sourceRect, b.destRect, clip); break;
        case ImageBlitWeighting::Alpha:
            blits.scaledAlpha(dest, src, sourceRect, b.destRect, clip);
            break;
        case ImageBlitWeighting::AlphaOpacity:
            blits.scaledAlphaOpacity(dest, src, sourceRect, b.destRect, b.opacity, clip);
            break;
        default: blits.scaledOpacity(dest, src, sourceRect, b.destRect, b.opacity, clip); break;
    }
}

void DrawRotated(const ModeBlits& blits, const ImageBlit& b, CMemorySurface& dest,
                 const CMemorySurface& src, const RECT* clip) {
    const FixedPoint* p = b.destCorners;
    const FixedPoint* uv = b.sourceCorners;
    switch (b.weighting) {
        case ImageBlitWeighting::Opaque:
            blits.rotated(dest, p[0], p[1], p[2], p[3], src, uv[0], uv[1], uv[2], uv[3], clip);
            break;
        case ImageBlitWeighting::Alpha:
            blits.rotatedAlpha(dest, p[0], p[1], p[2], p[3], src, uv[0], uv[1], uv[2], uv[3], clip);
            break;
        case ImageBlitWeighting::AlphaOpacity:
            blits.rotatedAlphaOpacity(dest, p[0], p[1], p[2], p[3], src, uv[0], uv[1], uv[2], uv[3],
                                      b.opacity, clip);
            break;
        default:
            blits.rotatedOpacity(dest, p[0], p[1], p[2], p[3], src, uv[0], uv[1], uv[2], uv[3],
                                 b.opacity, clip);
            break;
    }
}

void DrawImage(const ModeBlits& blits, CMemorySurface& dest, const CMemorySurface& src,
               const CTransform2D& placement, bool useSourceAlpha, const RECT* sourceRect,
               const RECT* clip) {
    const ImageBlit b = ChooseImageBlit(src, placement, useSourceAlpha, sourceRect);
    switch (b.kind) {
        case ImageBlitKind::None: break;
        case ImageBlitKind::OneToOne: DrawOneToOne(blits, b, dest, src, sourceRect, clip); break;
        case ImageBlitKind::Scaled: DrawScaled(blits, b, dest, src, sourceRect, clip); break;
        case ImageBlitKind::Rotated: DrawRotated(blits, b, dest, src, clip); break;
    }
}

const ModeBlits kNormal = MIRL_MODE_BLITS(Normal);
const ModeBlits kAdd = MIRL_MODE_BLITS(Add);
const ModeBlits kSub = MIRL_MODE_BLITS(Sub);
const ModeBlits kMultiply = MIRL_MODE_BLITS(Multiply);
const ModeBlits kScreen = MIRL_MODE_BLITS(Screen);
const ModeBlits kOverlay = MIRL_MODE_BLITS(Overlay);

}  // namespace

#define MIRL_DEFINE_DRAW_IMAGE(mode)                                           \
    MIRL_DRAW_IMAGE(DrawImage##mode) {                                         \
        DrawImage(k##mode, dest, src, placement, useSourceAlpha, sourceRect, clip); \
    }

MIRL_DEFINE_DRAW_IMAGE(Normal)
MIRL_DEFINE_DRAW_IMAGE(Add)
MIRL_DEFINE_DRAW_IMAGE(Sub)
MIRL_DEFINE_DRAW_IMAGE(Multiply)
MIRL_DEFINE_DRAW_IMAGE(Screen)
MIRL_DEFINE_DRAW_IMAGE(Overlay)

DrawImageFunction DrawImageForMode(int mode) {
    switch (mode) {
        case kBlendNormal: return DrawImageNormal;
        case kBlendAdd: return DrawImageAdd;
        case kBlendSub: return DrawImageSub;
        case kBlendMultiply: return DrawImageMultiply;
        case kBlendScreen: return DrawImageScreen;
        case kBlendOverlay: return DrawImageOverlay;
        default: return nullptr;
    }
}
