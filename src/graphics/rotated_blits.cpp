#include "graphics/rotated_blits.h"

#include <algorithm>

#include "graphics/blend_blits.h"
#include "graphics/blit_pointers.h"
#include "graphics/raster_clip.h"

namespace {

bool InsideSource(const CMemorySurface& src, const FixedPoint uv[4]) {
    const RECT& bounds = *src.GetBounds();
    return std::all_of(uv, uv + 4, [&bounds](FixedPoint p) {
        return p.x >= 0 && (p.x >> 16) < bounds.right && p.y >= 0 && (p.y >> 16) < bounds.bottom;
    });
}

// Walks the quadrilateral's rows; each row's sampled source pixels are
// gathered into a one-row picture that `blitRow`(row picture, span width,
// x, y) blends onto the span with the one-to-one blit of the mode.
template <class BlitRow>
void BlitQuad(CMemorySurface& dest, const FixedPoint p[4], const CMemorySurface& src,
              const FixedPoint uv[4], const RECT* clip, BlitRow blitRow) {
    RECT area;
    if (!DrawableArea(dest, clip, area)) return;
    area.bottom = std::min<LONG>(area.bottom, kEdgeTableRows);
    if (area.top >= area.bottom || !InsideSource(src, uv)) return;
    BuildTexturedQuadEdges(area, p[0], p[1], p[2], p[3], uv[0], uv[1], uv[2], uv[3]);

    CMemorySurface row;
    if (row.CreateUncleared(area.right - area.left, 1) != 0) return;
    Color32* sampled = row.GetPixels();
    const Color32* source = src.GetPixels();
    const int sourceWidth = src.GetBounds()->right;
    for (int y = area.top; y < area.bottom; ++y) {
        int left, right, count;
        int32_t u, v, uStep, vStep;
        if (!GetTexturedEdgeSpan(y, area, left, right, u, v, uStep, vStep, count)) continue;
        int64_t uAt = u, vAt = v;
        for (int i = 0; i < count; ++i, uAt += uStep, vAt += vStep) {
            sampled[i] = source[(vAt >> 16) * sourceWidth + (uAt >> 16)];
        }
        blitRow(row, count, left, y);
    }
}

void BlitQuad(UnweightedBlit blit, CMemorySurface& dest, const FixedPoint p[4],
              const CMemorySurface& src, const FixedPoint uv[4], const RECT* clip) {
    BlitQuad(dest, p, src, uv, clip, [&](const CMemorySurface& row, int count, int x, int y) {
        const RECT span = {0, 0, count, 1};
        blit(dest, x, y, row, &span, nullptr);
    });
}

void BlitQuad(WeightedBlit blit, CMemorySurface& dest, const FixedPoint p[4],
              const CMemorySurface& src, const FixedPoint uv[4], int opacity, const RECT* clip) {
    BlitQuad(dest, p, src, uv, clip, [&](const CMemorySurface& row, int count, int x, int y) {
        const RECT span = {0, 0, count, 1};
        blit(dest, x, y, row, &span, opacity, nullptr);
    });
}

}  // namespace

#define MIRL_DEFINE_ROTATED_BLITS(mode)                                                          \
    MIRL_ROTATED_BLIT(BlitRotated##mode) {                                                       \
        const FixedPoint p[4] = {p1, p2, p3, p4}, uv[4] = {uv1, uv2, uv3, uv4};                  \
        BlitQuad(&Blit##mode, dest, p, src, uv, clip);                                           \
    }                                                                                            \
    MIRL_ROTATED_WEIGHTED_BLIT(BlitRotated##mode##Opacity) {                                     \
        const FixedPoint p[4] = {p1, p2, p3, p4}, uv[4] = {uv1, uv2, uv3, uv4};                  \
        BlitQuad(&Blit##mode##Opacity, dest, p, src, uv, opacity, clip);                         \
    }                                                                                            \
    MIRL_ROTATED_BLIT(BlitRotated##mode##Alpha) {                                                \
        const FixedPoint p[4] = {p1, p2, p3, p4}, uv[4] = {uv1, uv2, uv3, uv4};                  \
        BlitQuad(&Blit##mode##Alpha, dest, p, src, uv, clip);                                    \
    }                                                                                            \
    MIRL_ROTATED_WEIGHTED_BLIT(BlitRotated##mode##AlphaOpacity) {                                \
        const FixedPoint p[4] = {p1, p2, p3, p4}, uv[4] = {uv1, uv2, uv3, uv4};                  \
        BlitQuad(&Blit##mode##AlphaOpacity, dest, p, src, uv, opacity, clip);                    \
    }

MIRL_DEFINE_ROTATED_BLITS(Normal)
MIRL_DEFINE_ROTATED_BLITS(Add)
MIRL_DEFINE_ROTATED_BLITS(Sub)
MIRL_DEFINE_ROTATED_BLITS(Multiply)
MIRL_DEFINE_ROTATED_BLITS(Screen)
MIRL_DEFINE_ROTATED_BLITS(Overlay)
