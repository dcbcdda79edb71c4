#include "blit_routines.h"

#include "graphics/blend_blits.h"

namespace {

using OneToOneUnweighted = void (*)(CMemorySurface&, int, int, const CMemorySurface&, const RECT*,
                                    const RECT*);
using OneToOneWeighted = void (*)(CMemorySurface&, int, int, const CMemorySurface&, const RECT*, int,
                                  const RECT*);
using ScaledUnweightedBlit = void (*)(CMemorySurface&, const CMemorySurface&, const RECT*,
                                      const double*, const RECT*);
using ScaledWeightedBlit = void (*)(CMemorySurface&, const CMemorySurface&, const RECT*,
                                    const double*, int, const RECT*);

// A scaled call without a destination rectangle stretches the source
// rectangle onto one of its own size at (x, y), which draws it one to one.
struct DestRect {
    DestRect(const CMemorySurface& src, const BlitCall& call) {
        const RECT s = call.sourceRect ? *call.sourceRect : *src.GetBounds();
        if (call.destRect) {
            for (int i = 0; i < 4; ++i) r[i] = call.destRect[i];
        } else {
            r[0] = call.x;
            r[1] = call.y;
            r[2] = call.x + (s.right - s.left);
            r[3] = call.y + (s.bottom - s.top);
        }
    }
    double r[4];
};

template <OneToOneUnweighted F>
void Unweighted(CMemorySurface& dest, const CMemorySurface& src, const BlitCall& call) {
    F(dest, call.x, call.y, src, call.sourceRect, call.clip);
}
template <OneToOneWeighted F>
void Weighted(CMemorySurface& dest, const CMemorySurface& src, const BlitCall& call) {
    F(dest, call.x, call.y, src, call.sourceRect, call.opacity, call.clip);
}
template <ScaledUnweightedBlit F>
void ScaledUnweighted(CMemorySurface& dest, const CMemorySurface& src, const BlitCall& call) {
    F(dest, src, call.sourceRect, DestRect(src, call).r, call.clip);
}
template <ScaledWeightedBlit F>
void ScaledWeighted(CMemorySurface& dest, const CMemorySurface& src, const BlitCall& call) {
    F(dest, src, call.sourceRect, DestRect(src, call).r, call.opacity, call.clip);
}

}  // namespace

const BlitRoutine kBlitRoutines[kBlitRoutineCount] = {
    {"BlitNormal", BlendKind::Normal, Weighting::Opaque, false, true, &Unweighted<BlitNormal>},
    {"BlitNormalOpacity", BlendKind::Normal, Weighting::Opacity, false, false, &Weighted<BlitNormalOpacity>},
    {"BlitNormalHalf", BlendKind::Normal, Weighting::Half, false, true, &Unweighted<BlitNormalHalf>},
    {"BlitNormalAlpha", BlendKind::Normal, Weighting::Alpha, false, false, &Unweighted<BlitNormalAlpha>},
    {"BlitNormalAlphaOpacity", BlendKind::Normal, Weighting::AlphaOpacity, false, false,
     &Weighted<BlitNormalAlphaOpacity>},
    {"BlitScaledNormal", BlendKind::Normal, Weighting::Opaque, true, false, &ScaledUnweighted<BlitScaledNormal>},
    {"BlitScaledNormalOpacity", BlendKind::Normal, Weighting::Opacity, true, false,
     &ScaledWeighted<BlitScaledNormalOpacity>},
    {"BlitScaledNormalAlpha", BlendKind::Normal, Weighting::Alpha, true, false,
     &ScaledUnweighted<BlitScaledNormalAlpha>},
    {"BlitScaledNormalAlphaOpacity", BlendKind::Normal, Weighting::AlphaOpacity, true, false,
     &ScaledWeighted<BlitScaledNormalAlphaOpacity>},
    {"BlitAdd", BlendKind::Add, Weighting::Opaque, false, true, &Unweighted<BlitAdd>},
    {"BlitAddOpacity", BlendKind::Add, Weighting::Opacity, false, false, &Weighted<BlitAddOpacity>},
    {"BlitAddHalf", BlendKind::Add, Weighting::Half, false, true, &Unweighted<BlitAddHalf>},
    {"BlitAddAlpha", BlendKind::Add, Weighting::Alpha, false, false, &Unweighted<BlitAddAlpha>},
    {"BlitAddAlphaOpacity", BlendKind::Add, Weighting::AlphaOpacity, false, false,
     &Weighted<BlitAddAlphaOpacity>},
    {"BlitScaledAdd", BlendKind::Add, Weighting::Opaque, true, false, &ScaledUnweighted<BlitScaledAdd>},
    {"BlitScaledAddOpacity", BlendKind::Add, Weighting::Opacity, true, false,
     &ScaledWeighted<BlitScaledAddOpacity>},
    {"BlitScaledAddAlpha", BlendKind::Add, Weighting::Alpha, true, false,
     &ScaledUnweighted<BlitScaledAddAlpha>},
    {"BlitScaledAddAlphaOpacity", BlendKind::Add, Weighting::AlphaOpacity, true, false,
     &ScaledWeighted<BlitScaledAddAlphaOpacity>},
    {"BlitSub", BlendKind::Sub, Weighting::Opaque, false, true, &Unweighted<BlitSub>},
    {"BlitSubOpacity", BlendKind::Sub, Weighting::Opacity, false, false, &Weighted<BlitSubOpacity>},
    {"BlitSubHalf", BlendKind::Sub, Weighting::Half, false, true, &Unweighted<BlitSubHalf>},
    {"BlitSubAlpha", BlendKind::Sub, Weighting::Alpha, false, false, &Unweighted<BlitSubAlpha>},
    {"BlitSubAlphaOpacity", BlendKind::Sub, Weighting::AlphaOpacity, false, false,
     &Weighted<BlitSubAlphaOpacity>},
    {"BlitScaledSub", BlendKind::Sub, Weighting::Opaque, true, false, &ScaledUnweighted<BlitScaledSub>},
    {"BlitScaledSubOpacity", BlendKind::Sub, Weighting::Opacity, true, false,
     &ScaledWeighted<BlitScaledSubOpacity>},
    {"BlitScaledSubAlpha", BlendKind::Sub, Weighting::Alpha, true, false,
     &ScaledUnweighted<BlitScaledSubAlpha>},
    {"BlitScaledSubAlphaOpacity", BlendKind::Sub, Weighting::AlphaOpacity, true, false,
     &ScaledWeighted<BlitScaledSubAlphaOpacity>},
    {"BlitMultiply", BlendKind::Multiply, Weighting::Opaque, false, false, &Unweighted<BlitMultiply>},
    {"BlitMultiplyOpacity", BlendKind::Multiply, Weighting::Opacity, false, false, &Weighted<BlitMultiplyOpacity>},
    {"BlitMultiplyHalf", BlendKind::Multiply, Weighting::Half, false, false, &Unweighted<BlitMultiplyHalf>},
    {"BlitMultiplyAlpha", BlendKind::Multiply, Weighting::Alpha, false, false, &Unweighted<BlitMultiplyAlpha>},
    {"BlitMultiplyAlphaOpacity", BlendKind::Multiply, Weighting::AlphaOpacity, false, false,
     &Weighted<BlitMultiplyAlphaOpacity>},
    {"BlitScaledMultiply", BlendKind::Multiply, Weighting::Opaque, true, false, &ScaledUnweighted<BlitScaledMultiply>},
    {"BlitScaledMultiplyOpacity", BlendKind::Multiply, Weighting::Opacity, true, false,
     &ScaledWeighted<BlitScaledMultiplyOpacity>},
    {"BlitScaledMultiplyAlpha", BlendKind::Multiply, Weighting::Alpha, true, false,
     &ScaledUnweighted<BlitScaledMultiplyAlpha>},
    {"BlitScaledMultiplyAlphaOpacity", BlendKind::Multiply, Weighting::AlphaOpacity, true, false,
     &ScaledWeighted<BlitScaledMultiplyAlphaOpacity>},
    {"BlitScreen", BlendKind::Screen, Weighting::Opaque, false, false, &Unweighted<BlitScreen>},
    {"BlitScreenOpacity", BlendKind::Screen, Weighting::Opacity, false, false, &Weighted<BlitScreenOpacity>},
    {"BlitScreenHalf", BlendKind::Screen, Weighting::Half, false, false, &Unweighted<BlitScreenHalf>},
    {"BlitScreenAlpha", BlendKind::Screen, Weighting::Alpha, false, false, &Unweighted<BlitScreenAlpha>},
    {"BlitScreenAlphaOpacity", BlendKind::Screen, Weighting::AlphaOpacity, false, false,
     &Weighted<BlitScreenAlphaOpacity>},
    {"BlitScaledScreen", BlendKind::Screen, Weighting::Opaque, true, false, &ScaledUnweighted<BlitScaledScreen>},
    {"BlitScaledScreenOpacity", BlendKind::Screen, Weighting::Opacity, true, false,
     &ScaledWeighted<BlitScaledScreenOpacity>},
    {"BlitScaledScreenAlpha", BlendKind::Screen, Weighting::Alpha, true, false,
     &ScaledUnweighted<BlitScaledScreenAlpha>},
    {"BlitScaledScreenAlphaOpacity", BlendKind::Screen, Weighting::AlphaOpacity, true, false,
     &ScaledWeighted<BlitScaledScreenAlphaOpacity>},
    {"BlitOverlay", BlendKind::Overlay, Weighting::Opaque, false, false, &Unweighted<BlitOverlay>},
    {"BlitOverlayOpacity", BlendKind::Overlay, Weighting::Opacity, false, false, &Weighted<BlitOverlayOpacity>},
    {"BlitOverlayHalf", BlendKind::Overlay, Weighting::Half, false, false, &Unweighted<BlitOverlayHalf>},
    {"BlitOverlayAlpha", BlendKind::Overlay, Weighting::Alpha, false, false, &Unweighted<BlitOverlayAlpha>},
    {"BlitOverlayAlphaOpacity", BlendKind::Overlay, Weighting::AlphaOpacity, false, false,
     &Weighted<BlitOverlayAlphaOpacity>},
    {"BlitScaledOverlay", BlendKind::Overlay, Weighting::Opaque, true, false, &ScaledUnweighted<BlitScaledOverlay>},
    {"BlitScaledOverlayOpacity", BlendKind::Overlay, Weighting::Opacity, true, false,
     &ScaledWeighted<BlitScaledOverlayOpacity>},
    {"BlitScaledOverlayAlpha", BlendKind::Overlay, Weighting::Alpha, true, false,
     &ScaledUnweighted<BlitScaledOverlayAlpha>},
    {"BlitScaledOverlayAlphaOpacity", BlendKind::Overlay, Weighting::AlphaOpacity, true, false,
     &ScaledWeighted<BlitScaledOverlayAlphaOpacity>},
};

const BlitRoutine& FindBlitRoutine(const std::string& name) {
    for (const BlitRoutine& routine : kBlitRoutines) {
        if (name == routine.name) return routine;
    }
    throw std::invalid_argument(name);
}
