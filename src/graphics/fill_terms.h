// The values a fill derives from its colour once per call, before its loop,
// shared by the fills and by the loops of every instruction set.
#pragma once

#include <cstdint>

#include "graphics/color32.h"

// The colour's blue, green and red each mapped by f (a value 0..255 to a
// value 0..255), alpha byte 0.
template <class F>
constexpr Color32 MapChannels(Color32 colour, F f) {
    return static_cast<Color32>(f(static_cast<int>(colour & 255))) |
           static_cast<Color32>(f(static_cast<int>(colour >> 8 & 255))) << 8 |
           static_cast<Color32>(f(static_cast<int>(colour >> 16 & 255))) << 16;
}

// Each channel c becomes (c x weight) >> 8.
constexpr Color32 WeightChannels(Color32 colour, int weight) {
    return MapChannels(colour, [weight](int c) { return (c * weight) >> 8; });
}

constexpr int AlphaByte(Color32 colour) { return static_cast<int>(colour >> 24); }

// The levels an Overlay of channel value c weighted by a (0..255) applies:
// to destinations of 128 and below, and to those above. Divisions truncate
// towards zero.
constexpr int OverlayDarkLevel(int c, int a) { return 128 - (128 - c) * a / 256; }
constexpr int OverlayLightLevel(int c, int a) { return 128 - (c - 128) * a / 256; }
