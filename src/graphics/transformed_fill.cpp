#include "graphics/transformed_fill.h"

#include "graphics/placement.h"
#include "graphics/polygon_fill.h"
#include "graphics/rectangle_fill.h"

namespace {

using PolygonFill = void (*)(CMemorySurface&, FixedPoint, FixedPoint, FixedPoint, FixedPoint,
                             Color32, const RECT*);
using RectangleFill = void (*)(CMemorySurface&, int, int, int, int, Color32, const RECT*);

// A mode's fills: rotated at full opacity and below it, unrotated likewise.
struct ModeFills {
    PolygonFill rotated;
    PolygonFill rotatedAlpha;
    RectangleFill solid;
    RectangleFill alpha;
};

const ModeFills kAddFills = {&FillPolygonAdd, &FillPolygonAddAlpha, &FillAdd, &FillAddAlpha};
const ModeFills kSubFills = {&FillPolygonSub, &FillPolygonSubAlpha, &FillSub, &FillSubAlpha};
const ModeFills kMultiplyFills = {&FillPolygonMultiply, &FillPolygonMultiplyAlpha, &FillMultiply,
                                  &FillMultiplyAlpha};
const ModeFills kScreenFills = {&FillPolygonScreen, &FillPolygonScreenAlpha, &FillScreen,
                                &FillScreenAlpha};
const ModeFills kOverlayFills = {&FillPolygonOverlay, &FillPolygonOverlayAlpha, &FillOverlay,
                                 &FillOverlayAlpha};

constexpr Color32 kColourBits = 0x00FFFFFF;
constexpr Color32 kWhite = 0x00FFFFFF;

Color32 WithAlpha(Color32 colour, int alpha) {
    return (colour & kColourBits) | static_cast<Color32>(alpha) << 24;
}

// The opacity byte of a placement that can be seen; 0 draws nothing.
int VisibleOpacity(const CTransform2D& placement) {
    return IsPlacementVisible(placement) ? OpacityByte(placement.opacity) : 0;
}

// The steps every mode shares: nothing for an opacity byte of 0; a rotated
// placement to the polygon fill (`rotated` at full opacity, else
// `rotatedAlpha`) with the opacity as the colour's alpha byte; otherwise
// `unrotated`(rectangle, opacity byte) with the rectangle the placement
// maps {0, 0, width, height} to.
template <class Unrotated>
void FillPlaced(PolygonFill rotated, PolygonFill rotatedAlpha, CMemorySurface& dest,
                Color32 colour, const CTransform2D& placement, int width, int height, int opacity,
                const RECT* clip, Unrotated unrotated) {
    if (opacity == 0) return;
    if (placement.IsRotated()) {
        FixedPoint corners[4];
        ComputeRotatedCorners(placement, width * 65536.0 - 1, height * 65536.0 - 1, corners);
        const PolygonFill fill = opacity == 255 ? rotated : rotatedAlpha;
        fill(dest, corners[0], corners[1], corners[2], corners[3], WithAlpha(colour, opacity), clip);
        return;
    }
    RECT rect = {0, 0, width, height};
    unrotated(placement.MapRect(rect), opacity);
}

// Black at opacity o below 255: a shift where 256 - o is a power of two.
void FillBlack(CMemorySurface& dest, const RECT& r, int opacity, const RECT* clip) {
    struct ShiftOpacity {
        int opacity;
        int shift;
    };
    static const ShiftOpacity kShifts[] = {{192, 2}, {224, 3}, {240, 4},
                                           {248, 5}, {252, 6}, {254, 7}};
    if (opacity == 128) {
        FillNormalBlackHalf(dest, r.left, r.top, r.right, r.bottom, clip);
        return;
    }
    for (const ShiftOpacity& s : kShifts) {
        if (s.opacity == opacity) {
            FillNormalBlackShift(dest, r.left, r.top, r.right, r.bottom, s.shift, clip);
            return;
        }
    }
    FillNormalBlackOpacity(dest, r.left, r.top, r.right, r.bottom, 255 - opacity, clip);
}

void FillTransformedMode(const ModeFills& fills, CMemorySurface& dest, Color32 colour,
                         const CTransform2D& placement, int width, int height, int opacity,
                         const RECT* clip) {
    FillPlaced(fills.rotated, fills.rotatedAlpha, dest, colour, placement, width, height, opacity,
               clip, [&](const RECT& r, int o) {
                   const RectangleFill fill = o == 255 ? fills.solid : fills.alpha;
                   fill(dest, r.left, r.top, r.right, r.bottom, WithAlpha(colour, o), clip);
               });
}

}  // namespace

void FillTransformedNormal(CMemorySurface& dest, Color32 colour, const CTransform2D& placement,
                           int width, int height, const RECT* clip) {
    FillPlaced(&FillPolygonNormal, &FillPolygonNormalAlpha, dest, colour, placement, width, height,
               VisibleOpacity(placement), clip, [&](const RECT& r, int o) {
                   if (o == 255) {
                       FillNormal(dest, r.left, r.top, r.right, r.bottom, colour, clip);
                   } else if ((colour & kColourBits) == 0) {
                       FillBlack(dest, r, o, clip);
                   } else if (o == 128) {
                       FillNormalHalf(dest, r.left, r.top, r.right, r.bottom, colour, clip);
                   } else {
                       FillNormalAlpha(dest, r.left, r.top, r.right, r.bottom, WithAlpha(colour, o),
                                       clip);
                   }
               });
}

void FillTransformedAdd(CMemorySurface& dest, Color32 colour, const CTransform2D& placement,
                        int width, int height, const RECT* clip) {
    const int opacity = VisibleOpacity(placement);
    if (opacity == 255 && colour == kWhite) {
        FillTransformedNormal(dest, colour, placement, width, height, clip);
        return;
    }
    FillTransformedMode(kAddFills, dest, colour, placement, width, height, opacity, clip);
}

void FillTransformedSub(CMemorySurface& dest, Color32 colour, const CTransform2D& placement,
                        int width, int height, const RECT* clip) {
    const int opacity = VisibleOpacity(placement);
    if (opacity == 255 && colour == kWhite) {
        FillTransformedNormal(dest, 0, placement, width, height, clip);
        return;
    }
    FillTransformedMode(kSubFills, dest, colour, placement, width, height, opacity, clip);
}

void FillTransformedMultiply(CMemorySurface& dest, Color32 colour, const CTransform2D& placement,
                             int width, int height, const RECT* clip) {
    FillTransformedMode(kMultiplyFills, dest, colour, placement, width, height,
                        VisibleOpacity(placement), clip);
}

void FillTransformedScreen(CMemorySurface& dest, Color32 colour, const CTransform2D& placement,
                           int width, int height, const RECT* clip) {
    FillTransformedMode(kScreenFills, dest, colour, placement, width, height,
                        VisibleOpacity(placement), clip);
}

void FillTransformedOverlay(CMemorySurface& dest, Color32 colour, const CTransform2D& placement,
                            int width, int height, const RECT* clip) {
    FillTransformedMode(kOverlayFills, dest, colour, placement, width, height,
                        VisibleOpacity(placement), clip);
}
