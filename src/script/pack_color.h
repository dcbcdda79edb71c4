// Four bytes into one colour word, highest first: PackColor(255, 255, 255,
// 255) is 0xFFFFFFFF. The statement parser builds the fixed colours of the
// frame and outline nodes with it.
#pragma once

#include <cstdint>

#include "graphics/color32.h"

constexpr Color32 PackColor(uint8_t b3, uint8_t b2, uint8_t b1, uint8_t b0) {
    return static_cast<Color32>(b3) << 24 | static_cast<Color32>(b2) << 16 | static_cast<Color32>(b1) << 8 | b0;
}
