// What a surface holds, as values for test expectations.
#pragma once

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "graphics/memory_surface.h"

using Size = std::pair<int, int>;

inline Size SizeOf(const CSurface& surface) {
    int width = -1;
    int height = -1;
    surface.GetSize(width, height);
    return {width, height};
}

inline std::vector<Color32> PixelsOf(const CMemorySurface& surface) {
    const Size size = SizeOf(surface);
    return std::vector<Color32>(surface.GetPixels(), surface.GetPixels() + size.first * size.second);
}

// The pixels' bytes in memory order.
inline std::vector<uint8_t> PixelBytesOf(const CMemorySurface& surface) {
    const Size size = SizeOf(surface);
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(surface.GetPixels());
    return std::vector<uint8_t>(bytes, bytes + size.first * size.second * 4);
}

using PixelSet = std::set<std::pair<int, int>>;

// The positions of the pixels that differ from the background.
inline PixelSet ChangedPixels(const CMemorySurface& surface, Color32 background) {
    const Size size = SizeOf(surface);
    PixelSet out;
    for (int y = 0; y < size.second; ++y)
        for (int x = 0; x < size.first; ++x)
            if (surface.GetPixel(x, y) != background) out.insert({x, y});
    return out;
}
