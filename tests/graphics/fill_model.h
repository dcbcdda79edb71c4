// The fills' results per pixel, written out from their per-channel formulas
// for the tests to compare with: d is the destination pixel, c the colour
// (its alpha byte a is the weight where one is used). Every result keeps
// d's alpha byte unless it says otherwise.
#pragma once

#include <cstdint>

#include "graphics/color32.h"

// Rectangle fills (the plain path).
Color32 ModelNormalAlpha(Color32 d, Color32 c);
Color32 ModelAddAlpha(Color32 d, Color32 c);
Color32 ModelSubAlpha(Color32 d, Color32 c);
Color32 ModelMultiply(Color32 d, Color32 c);  // c's alpha byte not used
Color32 ModelMultiplyAlpha(Color32 d, Color32 c);
Color32 ModelScreen(Color32 d, Color32 c);  // c's alpha byte not used
Color32 ModelScreenAlpha(Color32 d, Color32 c);
Color32 ModelOverlayAlpha(Color32 d, Color32 c);
Color32 ModelBlackOpacity(Color32 d, int keep);
Color32 ModelBlackShift(Color32 d, int shift);
Color32 ModelHalf(Color32 d, Color32 c);

// The polygon fills whose formula differs from the rectangle fill's.
Color32 ModelPolygonMultiplyAlpha(Color32 d, Color32 c);
Color32 ModelPolygonScreenAlpha(Color32 d, Color32 c);

// (d + c + 1) >> 1 on all four bytes.
Color32 ModelRoundedAverage(Color32 d, Color32 c);

// c with its alpha byte replaced.
constexpr Color32 WithAlphaByte(Color32 c, int alpha) {
    return (c & 0x00FFFFFF) | static_cast<Color32>(alpha) << 24;
}
