#include "graphics/mask_composite.h"

#include <cstdint>

namespace {

struct Plane {
    Color32* pixels = nullptr;
    int width = 0;
    int height = 0;
    Color32 At(int x, int y) const { return pixels[y * width + x]; }
    Color32& At(int x, int y) { return pixels[y * width + x]; }
};

Plane PlaneOf(const CMemorySurface& s) {
    Plane p;
    s.GetSize(p.width, p.height);
    if (p.width > 0 && p.height > 0) p.pixels = s.GetPixels();
    return p;
}

bool SameSize(const Plane& a, const Plane& b) {
    return a.pixels && b.pixels && a.width == b.width && a.height == b.height;
}

bool TwiceTheSize(const Plane& dest, const Plane& mask) {
    return dest.pixels && mask.pixels && mask.width == 2 * dest.width &&
           mask.height == 2 * dest.height;
}

// The mean of the 2 x 2 block of the mask under destination pixel (x, y).
uint32_t Mean2x2(const Plane& mask, int x, int y) {
    return (mask.At(2 * x, 2 * y) + mask.At(2 * x + 1, 2 * y) + mask.At(2 * x, 2 * y + 1) +
            mask.At(2 * x + 1, 2 * y + 1)) >> 2;
}

uint32_t Channel(Color32 c, int shift) { return (c >> shift) & 0xFF; }

// Straight-alpha "over" of the colour with opacity m.
Color32 Over(Color32 d, Color32 colour, uint32_t m) {
    const uint32_t k = (d >> 24) * (255 - m) / 255;
    const uint32_t a = m + k;
    if (a == 0) return d;
    Color32 out = a << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        out |= ((Channel(d, shift) * k + Channel(colour, shift) * m) / a) << shift;
    }
    return out;
}

template <typename PixelRule>
void ForEachPixel(Plane& dest, PixelRule rule) {
    for (int y = 0; y < dest.height; ++y)
        for (int x = 0; x < dest.width; ++x) rule(x, y, dest.At(x, y));
}

}  // namespace

void CompositeColorOverMask(CMemorySurface& destSurface, const CMemorySurface& maskSurface,
                            Color32 colour) {
    Plane dest = PlaneOf(destSurface), mask = PlaneOf(maskSurface);
    if (!SameSize(dest, mask)) return;
    ForEachPixel(dest, [&](int x, int y, Color32& d) {
        const uint32_t m = mask.At(x, y);
        if (m > 0) d = Over(d, colour, m);
    });
}

void CompositeColorOverMask2x(CMemorySurface& destSurface, const CMemorySurface& maskSurface,
                              Color32 colour) {
    Plane dest = PlaneOf(destSurface), mask = PlaneOf(maskSurface);
    if (!TwiceTheSize(dest, mask)) return;
    ForEachPixel(dest, [&](int x, int y, Color32& d) {
        const uint32_t m = Mean2x2(mask, x, y);
        if (m > 0) d = Over(d, colour, m);
    });
}

void CompositeColorUnderMask(CMemorySurface& destSurface, const CMemorySurface& maskSurface,
                             Color32 colour) {
    Plane dest = PlaneOf(destSurface), mask = PlaneOf(maskSurface);
    if (!SameSize(dest, mask)) return;
    ForEachPixel(dest, [&](int x, int y, Color32& d) {
        const uint32_t m = mask.At(x, y) & 0xFF;
        if (m == 0) return;
        const uint32_t da = d >> 24;
        const uint32_t k = (255 - da) * m >> 8;
        const uint32_t a = k + da;
        if (a == 0) return;
        Color32 out = a << 24;
        for (int shift = 0; shift < 24; shift += 8) {
            out |= ((Channel(d, shift) * da + Channel(colour, shift) * k) / a) << shift;
        }
        d = out;
    });
}

void SetAlphaFromMask2x(CMemorySurface& destSurface, const CMemorySurface& maskSurface) {
    Plane dest = PlaneOf(destSurface), mask = PlaneOf(maskSurface);
    if (!TwiceTheSize(dest, mask)) return;
    ForEachPixel(dest, [&](int x, int y, Color32& d) { d |= Mean2x2(mask, x, y) << 24; });
}

void FillColorWithMask2x(CMemorySurface& destSurface, const CMemorySurface& maskSurface,
                         Color32 colour) {
    Plane dest = PlaneOf(destSurface), mask = PlaneOf(maskSurface);
    if (!TwiceTheSize(dest, mask)) return;
    ForEachPixel(dest, [&](int x, int y, Color32& d) {
        d = (colour & 0x00FFFFFF) | (Mean2x2(mask, x, y) << 24);
    });
}

void AverageNeighbours8(CMemorySurface& destSurface, const CMemorySurface& srcSurface) {
    Plane dest = PlaneOf(destSurface), src = PlaneOf(srcSurface);
    if (!SameSize(dest, src) || dest.width < 3 || dest.height < 3) return;
    for (int y = 1; y < dest.height - 1; ++y) {
        for (int x = 1; x < dest.width - 1; ++x) {
            const uint32_t sum = src.At(x - 1, y - 1) + src.At(x, y - 1) + src.At(x + 1, y - 1) +
                                 src.At(x - 1, y) + src.At(x + 1, y) + src.At(x - 1, y + 1) +
                                 src.At(x, y + 1) + src.At(x + 1, y + 1);
            dest.At(x, y) = sum >> 3;
        }
    }
}

void AverageBlock2x2(CMemorySurface& destSurface, const CMemorySurface& srcSurface) {
    Plane dest = PlaneOf(destSurface), src = PlaneOf(srcSurface);
    if (!SameSize(dest, src) || dest.width < 3 || dest.height < 3) return;
    for (int y = 1; y < dest.height - 1; ++y) {
        for (int x = 1; x < dest.width - 1; ++x) {
            dest.At(x, y) = (src.At(x - 1, y - 1) + src.At(x, y - 1) + src.At(x - 1, y) +
                             src.At(x, y)) >> 2;
        }
    }
}
