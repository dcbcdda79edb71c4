#include "graphics/polygon_fill.h"

#include <algorithm>
#include <cstdint>

#include "graphics/raster_clip.h"

namespace {

// Per-channel operations: d the destination channel, c the colour channel,
// a the colour's alpha.
struct NormalAlphaOp {
    static uint32_t Apply(uint32_t d, uint32_t c, uint32_t a) {
        return (d * (255 - a) >> 8) + (c * a >> 8);
    }
};
struct AddAlphaOp {
    static uint32_t Apply(uint32_t d, uint32_t c, uint32_t a) {
        return std::min<uint32_t>(255, d + (c * a >> 8));
    }
};
struct SubAlphaOp {
    static uint32_t Apply(uint32_t d, uint32_t c, uint32_t a) {
        const uint32_t k = c * a >> 8;
        return d > k ? d - k : 0;
    }
};
struct MultiplyAlphaOp {
    static uint32_t Apply(uint32_t d, uint32_t c, uint32_t a) {
        const uint32_t m = 255 - ((256 - (c * a >> 8)) * a >> 8);
        return d * m >> 8;
    }
};
struct ScreenAlphaOp {
    static uint32_t Apply(uint32_t d, uint32_t c, uint32_t a) {
        const uint32_t n = 255 - (c * a >> 8);
        return 255 - ((255 - d) * n / 256);
    }
};
struct OverlayAlphaOp {
    static uint32_t Apply(uint32_t d, uint32_t c, uint32_t a) {
        const int lo = 128 - (128 - static_cast<int>(c)) * static_cast<int>(a) / 256;
        const int hi = 128 - (static_cast<int>(c) - 128) * static_cast<int>(a) / 256;
        if (d > 128) return 255 - (255 - d) * hi / 128;
        return d * lo >> 7;
    }
};

template <typename Op>
Color32 Blend(Color32 d, Color32 colour, uint32_t a) {
    Color32 out = d & 0xFF000000;
    for (int shift = 0; shift < 24; shift += 8) {
        out |= (Op::Apply((d >> shift) & 0xFF, (colour >> shift) & 0xFF, a) & 0xFF) << shift;
    }
    return out;
}

template <typename PixelRule>
void FillQuad(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3, FixedPoint p4,
              const RECT* clip, PixelRule rule) {
    RECT area;
    if (!DrawableArea(dest, clip, area)) return;
    area.bottom = std::min<LONG>(area.bottom, kEdgeTableRows);
    if (area.top >= area.bottom) return;
    BuildQuadEdges(area, p1, p2, p3, p4);
    int width = 0, height = 0;
    dest.GetSize(width, height);
    Color32* pixels = dest.GetPixels();
    for (int row = area.top; row < area.bottom; ++row) {
        int left, right, count;
        if (!GetEdgeSpan(row, area, left, right, count)) continue;
        Color32* p = pixels + row * width + left;
        for (int i = 0; i < count; ++i) p[i] = rule(p[i]);
    }
}

template <typename Op>
void FillAlpha(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3, FixedPoint p4,
               Color32 colour, uint32_t alpha, const RECT* clip) {
    FillQuad(dest, p1, p2, p3, p4, clip,
             [colour, alpha](Color32 d) { return Blend<Op>(d, colour, alpha); });
}

}  // namespace

void FillPolygonNormal(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                       FixedPoint p4, Color32 colour, const RECT* clip) {
    FillQuad(dest, p1, p2, p3, p4, clip, [colour](Color32) { return colour; });
}

#define MIRL_POLYGON_FILL_PAIR(mode)                                                          \
    void FillPolygon##mode##Alpha(CMemorySurface& dest, FixedPoint p1, FixedPoint p2,          \
                                  FixedPoint p3, FixedPoint p4, Color32 colour,                 \
                                  const RECT* clip) {                                           \
        FillAlpha<mode##AlphaOp>(dest, p1, p2, p3, p4, colour, colour >> 24, clip);             \
    }

MIRL_POLYGON_FILL_PAIR(Normal)
MIRL_POLYGON_FILL_PAIR(Add)
MIRL_POLYGON_FILL_PAIR(Sub)
MIRL_POLYGON_FILL_PAIR(Multiply)
MIRL_POLYGON_FILL_PAIR(Screen)
MIRL_POLYGON_FILL_PAIR(Overlay)
#undef MIRL_POLYGON_FILL_PAIR

#define MIRL_POLYGON_FILL_OPAQUE(mode)                                                        \
    void FillPolygon##mode(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,  \
                           FixedPoint p4, Color32 colour, const RECT* clip) {                   \
        FillAlpha<mode##AlphaOp>(dest, p1, p2, p3, p4, colour, 255, clip);                      \
    }

MIRL_POLYGON_FILL_OPAQUE(Add)
MIRL_POLYGON_FILL_OPAQUE(Sub)
MIRL_POLYGON_FILL_OPAQUE(Multiply)
MIRL_POLYGON_FILL_OPAQUE(Screen)
MIRL_POLYGON_FILL_OPAQUE(Overlay)
#undef MIRL_POLYGON_FILL_OPAQUE
