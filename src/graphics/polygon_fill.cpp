#include "graphics/polygon_fill.h"

#include <algorithm>

#include "graphics/fill_loops.h"
#include "graphics/fill_terms.h"
#include "graphics/raster_clip.h"

namespace {

constexpr FillLoops PlainOnly(FillLoop plain) { return {plain, nullptr, nullptr}; }

const FillLoops kStoreColour = PlainOnly(&StoreColourPlain);
const FillLoops kScaleAndAdd = {&ScaleAndAddPlain, &ScaleAndAddAllBytesMmx, nullptr};
const FillLoops kAddSaturate = PlainOnly(&AddSaturatePlain);
const FillLoops kSubSaturate = PlainOnly(&SubSaturatePlain);
const FillLoops kMultiply = PlainOnly(&MultiplyPlain);
const FillLoops kScreen = PlainOnly(&ScreenPlain);
const FillLoops kOverlay = PlainOnly(&OverlayPlain);

void FillQuad(const FillLoops& loops, CMemorySurface& dest, FixedPoint p1, FixedPoint p2,
              FixedPoint p3, FixedPoint p4, const RECT* clip, const FillTerms& terms) {
    RECT area;
    if (!DrawableArea(dest, clip, area)) return;
    area.bottom = std::min<LONG>(area.bottom, kEdgeTableRows);
    if (area.top >= area.bottom) return;
    BuildQuadEdges(area, p1, p2, p3, p4);
    loops.Choose()(CFillArea::EdgeSpans(dest, area), terms);
}

// What the loops of the weighted modes read, for the colour weighted by a.
FillTerms WeightedChannels(Color32 colour, int a) { return {WeightChannels(colour, a), 0}; }
FillTerms MultiplyFactors(Color32 colour, int a) {
    return {MapChannels(colour, [a](int c) { return 255 - (((256 - ((c * a) >> 8)) * a) >> 8); }),
            0};
}
FillTerms OverlayColour(Color32 colour, int a) { return {colour & 0x00FFFFFF, a}; }

}  // namespace

void FillPolygonNormal(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                       FixedPoint p4, Color32 colour, const RECT* clip) {
    FillQuad(kStoreColour, dest, p1, p2, p3, p4, clip, {colour, 0});
}

void FillPolygonNormalAlpha(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                            FixedPoint p4, Color32 colour, const RECT* clip) {
    // The MMX path blends the alpha byte too: its value a weighted by a.
    const int a = AlphaByte(colour);
    const Color32 add = WeightChannels(colour, a) | static_cast<Color32>((a * a) >> 8) << 24;
    FillQuad(kScaleAndAdd, dest, p1, p2, p3, p4, clip, {add, 255 - a});
}

// The plain routine of a mode weighs its colour by 255, the Alpha one by the
// colour's alpha byte.
#define MIRL_POLYGON_FILL_PAIR(mode, loops, terms)                                            \
    void FillPolygon##mode(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,  \
                           FixedPoint p4, Color32 colour, const RECT* clip) {                   \
        FillQuad(loops, dest, p1, p2, p3, p4, clip, terms(colour, 255));                        \
    }                                                                                           \
    void FillPolygon##mode##Alpha(CMemorySurface& dest, FixedPoint p1, FixedPoint p2,          \
                                  FixedPoint p3, FixedPoint p4, Color32 colour,                 \
                                  const RECT* clip) {                                           \
        FillQuad(loops, dest, p1, p2, p3, p4, clip, terms(colour, AlphaByte(colour)));          \
    }

MIRL_POLYGON_FILL_PAIR(Add, kAddSaturate, WeightedChannels)
MIRL_POLYGON_FILL_PAIR(Sub, kSubSaturate, WeightedChannels)
MIRL_POLYGON_FILL_PAIR(Multiply, kMultiply, MultiplyFactors)
MIRL_POLYGON_FILL_PAIR(Screen, kScreen, WeightedChannels)
MIRL_POLYGON_FILL_PAIR(Overlay, kOverlay, OverlayColour)
#undef MIRL_POLYGON_FILL_PAIR
