// Pictures shared by the benchmarks.
#pragma once

#include <cstdint>
#include <random>

#include "graphics/memory_surface.h"

// Picture-like pixels: gradients with noise; alpha a mix of transparent,
// opaque and partly transparent runs.
inline void FillPicture(CMemorySurface& surface, unsigned seed) {
    int width, height;
    surface.GetSize(width, height);
    std::mt19937 random(seed);
    Color32* pixels = surface.GetPixels();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int band = (x / 40 + y / 30) % 4;
            const uint32_t alpha = band == 0 ? 0 : band == 1 ? 255 : random() % 256;
            pixels[y * width + x] = alpha << 24 | ((x + random() % 8) & 255) << 16 |
                                    ((y + random() % 8) & 255) << 8 | ((x + y) / 2 & 255);
        }
    }
}
