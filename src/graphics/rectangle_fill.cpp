#include "graphics/rectangle_fill.h"

#include <algorithm>

#include "graphics/fill_loops.h"
#include "graphics/fill_terms.h"
#include "graphics/raster_clip.h"

namespace {

const FillLoops kStoreColour = {&StoreColourPlain, &StoreColourMmx, &StoreColourSse};
const FillLoops kScaleAndAdd = {&ScaleAndAddPlain, &ScaleAndAddColoursMmx, nullptr};
const FillLoops kShiftedSum = {&ShiftedSumPlain, &ShiftedSumMmx, &ShiftedSumMmx};
const FillLoops kHalf = {&ShiftedSumPlain, &ShiftedSumMmx, &AverageSse};
const FillLoops kAddSaturate = {&AddSaturatePlain, &AddSaturateMmx, nullptr};
const FillLoops kSubSaturate = {&SubSaturatePlain, &SubSaturateMmx, nullptr};
const FillLoops kMultiply = {&MultiplyPlain, &MultiplyMmx, nullptr};
const FillLoops kScreen = {&ScreenPlain, &ScreenMmx, nullptr};
const FillLoops kOverlay = {&OverlayPlain, &OverlayMmx, nullptr};
const PathLoops<WordFillLoop> kFillWords = {&FillWordsPlain, &FillWordsMmx, &FillWordsSse};

constexpr Color32 kOpaque = 0xFF000000;

void RunFill(const FillLoops& loops, CMemorySurface& dest, int left, int top, int right,
             int bottom, const RECT* clip, const FillTerms& terms) {
    RECT area;
    if (!DrawableArea(dest, clip, area)) return;
    area.left = std::max<LONG>(area.left, left);
    area.top = std::max<LONG>(area.top, top);
    area.right = std::min<LONG>(area.right, right);
    area.bottom = std::min<LONG>(area.bottom, bottom);
    if (area.left >= area.right || area.top >= area.bottom) return;
    loops.Choose()(CFillArea::Rectangle(dest, area), terms);
}

}  // namespace

void FillSurfaceFast(CMemorySurface& surface, Color32 colour) {
    int width = 0, height = 0;
    surface.GetSize(width, height);
    Color32* const pixels = surface.GetPixels();
    kFillWords.Choose()(pixels, static_cast<size_t>(width) * height, colour);
}

void FillNormal(CMemorySurface& dest, int left, int top, int right, int bottom, Color32 colour,
                const RECT* clip) {
    RunFill(kStoreColour, dest, left, top, right, bottom, clip, {colour, 0});
}

void FillNormalAlpha(CMemorySurface& dest, int left, int top, int right, int bottom,
                     Color32 colour, const RECT* clip) {
    const int a = AlphaByte(colour);
    RunFill(kScaleAndAdd, dest, left, top, right, bottom, clip,
            {WeightChannels(colour, a), 255 - a});
}

void FillAdd(CMemorySurface& dest, int left, int top, int right, int bottom, Color32 colour,
             const RECT* clip) {
    FillAddAlpha(dest, left, top, right, bottom, colour | kOpaque, clip);
}

void FillAddAlpha(CMemorySurface& dest, int left, int top, int right, int bottom,
                  Color32 colour, const RECT* clip) {
    RunFill(kAddSaturate, dest, left, top, right, bottom, clip,
            {WeightChannels(colour, AlphaByte(colour)), 0});
}

void FillSub(CMemorySurface& dest, int left, int top, int right, int bottom, Color32 colour,
             const RECT* clip) {
    FillSubAlpha(dest, left, top, right, bottom, colour | kOpaque, clip);
}

void FillSubAlpha(CMemorySurface& dest, int left, int top, int right, int bottom,
                  Color32 colour, const RECT* clip) {
    RunFill(kSubSaturate, dest, left, top, right, bottom, clip,
            {WeightChannels(colour, AlphaByte(colour)), 0});
}

void FillMultiply(CMemorySurface& dest, int left, int top, int right, int bottom,
                  Color32 colour, const RECT* clip) {
    RunFill(kMultiply, dest, left, top, right, bottom, clip, {colour & 0x00FFFFFF, 0});
}

void FillMultiplyAlpha(CMemorySurface& dest, int left, int top, int right, int bottom,
                       Color32 colour, const RECT* clip) {
    const int a = AlphaByte(colour);
    FillMultiply(dest, left, top, right, bottom,
                 MapChannels(colour, [a](int c) { return 255 - (((256 - c) * a) >> 8); }), clip);
}

void FillScreen(CMemorySurface& dest, int left, int top, int right, int bottom, Color32 colour,
                const RECT* clip) {
    RunFill(kScreen, dest, left, top, right, bottom, clip, {colour & 0x00FFFFFF, 0});
}

void FillScreenAlpha(CMemorySurface& dest, int left, int top, int right, int bottom,
                     Color32 colour, const RECT* clip) {
    FillScreen(dest, left, top, right, bottom, WeightChannels(colour, AlphaByte(colour)), clip);
}

void FillOverlay(CMemorySurface& dest, int left, int top, int right, int bottom, Color32 colour,
                 const RECT* clip) {
    FillOverlayAlpha(dest, left, top, right, bottom, colour | kOpaque, clip);
}

void FillOverlayAlpha(CMemorySurface& dest, int left, int top, int right, int bottom,
                      Color32 colour, const RECT* clip) {
    RunFill(kOverlay, dest, left, top, right, bottom, clip,
            {colour & 0x00FFFFFF, AlphaByte(colour)});
}

void FillNormalBlackOpacity(CMemorySurface& dest, int left, int top, int right, int bottom,
                            int keep, const RECT* clip) {
    RunFill(kScaleAndAdd, dest, left, top, right, bottom, clip, {0, keep});
}

void FillNormalBlackHalf(CMemorySurface& dest, int left, int top, int right, int bottom,
                         const RECT* clip) {
    RunFill(kHalf, dest, left, top, right, bottom, clip, {0, 1});
}

void FillNormalBlackShift(CMemorySurface& dest, int left, int top, int right, int bottom,
                          int shift, const RECT* clip) {
    RunFill(kShiftedSum, dest, left, top, right, bottom, clip, {0, shift});
}

void FillNormalHalf(CMemorySurface& dest, int left, int top, int right, int bottom,
                    Color32 colour, const RECT* clip) {
    RunFill(kHalf, dest, left, top, right, bottom, clip, {colour, 1});
}
