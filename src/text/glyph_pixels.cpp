#include "text/glyph_pixels.h"

#include <algorithm>

namespace {

int LowByte(Color32 pixel) { return static_cast<int>(pixel & 0xFF); }

}  // namespace

int SupersampledCoverage(const Color32* source, int pitch, int x, int y, bool boosted) {
    int sum = 0;
    for (int row = 0; row < 4; ++row) {
        const Color32* line = source + static_cast<size_t>(4 * y + row) * pitch + 4 * x;
        for (int column = 0; column < 4; ++column) sum += LowByte(line[column]);
    }
    if (!boosted) return sum >> 4;
    return std::min((sum + (sum >> 2)) >> 4, 255);
}

int HalfCoverage(const Color32* source, int pitch, int x, int y) {
    const Color32* top = source + static_cast<size_t>(2 * y) * pitch + 2 * x;
    const Color32* bottom = top + pitch;
    return (LowByte(top[0]) + LowByte(top[1]) + LowByte(bottom[0]) + LowByte(bottom[1])) / 4;
}

void CompositeUnder(Color32* pixel, int coverage, Color32 colour) {
    const uint32_t old = *pixel;
    const uint32_t d = old >> 24;
    const uint32_t add = static_cast<uint32_t>(coverage) * (255 - d) / 255;
    const uint32_t alpha = (d + add) & 0xFF;
    if (alpha == 0) return;
    uint32_t result = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t channel = ((old >> shift & 0xFF) * d + (colour >> shift & 0xFF) * add) / alpha;
        result |= (channel & 0xFF) << shift;
    }
    *pixel = result;
}
