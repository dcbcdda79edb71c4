#include "graphics/blit_clip.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rect_compare.h"

namespace {

struct Surfaces {
    Surfaces(int destWidth, int destHeight, int sourceWidth, int sourceHeight) {
        EXPECT_EQ(dest.Create(destWidth, destHeight), 0);
        EXPECT_EQ(source.Create(sourceWidth, sourceHeight), 0);
    }
    CMemorySurface dest;
    CMemorySurface source;
};

const RECT kNone = {-99, -99, -99, -99};

struct OneToOneCase {
    const char* name;
    int x, y;
    bool hasSourceRect;
    RECT sourceRect;
    bool hasClip;
    RECT clip;
    bool left;  // something is left to draw
    RECT dest;
    RECT source;
};

// Destination 10 x 8, source 4 x 3.
const OneToOneCase kOneToOne[] = {
    {"inside", 2, 3, false, {}, false, {}, true, {2, 3, 6, 6}, {0, 0, 4, 3}},
    {"outside right", 10, 0, false, {}, false, {}, false, kNone, kNone},
    {"outside left", -4, 0, false, {}, false, {}, false, kNone, kNone},
    {"outside below", 0, 8, false, {}, false, {}, false, kNone, kNone},
    {"outside above", 0, -3, false, {}, false, {}, false, kNone, kNone},
    {"partly left", -1, 2, false, {}, false, {}, true, {0, 2, 3, 5}, {1, 0, 4, 3}},
    {"partly above", 3, -2, false, {}, false, {}, true, {3, 0, 7, 1}, {0, 2, 4, 3}},
    {"partly right", 8, 1, false, {}, false, {}, true, {8, 1, 10, 4}, {0, 0, 2, 3}},
    {"partly below", 0, 6, false, {}, false, {}, true, {0, 6, 4, 8}, {0, 0, 4, 2}},
    {"clip inside", 0, 0, false, {}, true, {1, 1, 3, 2}, true, {1, 1, 3, 2}, {1, 1, 3, 2}},
    {"clip beyond the destination", 8, 6, false, {}, true, {5, 5, 20, 20}, true, {8, 6, 10, 8},
     {0, 0, 2, 2}},
    {"clip outside", 0, 0, false, {}, true, {20, 20, 30, 30}, false, kNone, kNone},
    {"empty clip", 0, 0, false, {}, true, {2, 2, 2, 5}, false, kNone, kNone},
    {"source rectangle", 5, 5, true, {1, 1, 3, 3}, false, {}, true, {5, 5, 7, 7}, {1, 1, 3, 3}},
    // Pixel (0, 0) of the source still lands at (5 + 2, 2 + 1).
    {"source rectangle sticking out", 5, 2, true, {-2, -1, 3, 2}, false, {}, true, {7, 3, 10, 5},
     {0, 0, 3, 2}},
    {"source rectangle outside the source", 0, 0, true, {5, 0, 8, 3}, false, {}, false, kNone, kNone},
    {"source rectangle and clip", -1, 0, true, {1, 0, 4, 3}, true, {0, 1, 10, 8}, true,
     {0, 1, 2, 3}, {2, 1, 4, 3}},
};

TEST(BlitClip, OneToOneTable) {
    Surfaces s(10, 8, 4, 3);
    for (const OneToOneCase& c : kOneToOne) {
        SCOPED_TRACE(c.name);
        RECT dest = kNone;
        RECT source = kNone;
        const bool left = IntersectBlitRects(s.dest, c.x, c.y, s.source, c.hasSourceRect ? &c.sourceRect : nullptr,
                                             c.hasClip ? &c.clip : nullptr, &dest, &source);
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(dest, c.dest);
        EXPECT_EQ(source, c.source);

        const Color32* firstSource = nullptr;
        Color32* firstDest = nullptr;
        int sourceSkip = -1;
        int destSkip = -1;
        const int clipped = ClipBlitRects(s.dest, c.x, c.y, s.source, c.hasSourceRect ? &c.sourceRect : nullptr,
                                          c.hasClip ? &c.clip : nullptr, &dest, &source, &firstSource,
                                          &firstDest, &sourceSkip, &destSkip);
        EXPECT_EQ(clipped, c.left ? 1 : 0);
        if (!c.left) continue;
        const int width = c.dest.right - c.dest.left;
        EXPECT_EQ(firstSource, s.source.GetPixels() + c.source.top * 4 + c.source.left);
        EXPECT_EQ(firstDest, s.dest.GetPixels() + c.dest.top * 10 + c.dest.left);
        EXPECT_EQ(sourceSkip, 4 - width);
        EXPECT_EQ(destSkip, 10 - width);
    }
}

TEST(BlitClip, NothingIsLeftOfAnEmptySurface) {
    CMemorySurface empty;
    CMemorySurface full;
    ASSERT_EQ(full.Create(4, 4), 0);
    RECT dest = kNone;
    RECT source = kNone;
    EXPECT_FALSE(IntersectBlitRects(empty, 0, 0, full, nullptr, nullptr, &dest, &source));
    EXPECT_FALSE(IntersectBlitRects(full, 0, 0, empty, nullptr, nullptr, &dest, &source));
    const double whole[4] = {0, 0, 4, 4};
    int u = 0, v = 0, uStart = 0, vStart = 0;
    EXPECT_FALSE(ClipScaledBlitRects(full, empty, nullptr, whole, nullptr, &dest, &source, &u, &v, &uStart, &vStart));
    EXPECT_FALSE(ClipScaledBlitRects(empty, full, nullptr, whole, nullptr, &dest, &source, &u, &v, &uStart, &vStart));
    EXPECT_EQ(dest, kNone);
}

struct ScaledCase {
    const char* name;
    bool hasSourceRect;
    RECT sourceRect;
    bool hasDestRect;
    double destRect[4];
    bool hasClip;
    RECT clip;
    bool left;
    RECT dest;
    RECT source;
    int uStep, vStep, uStart, vStart;
};

// Destination 100 x 80, source 10 x 8. Steps are (source size x 65536 - 1)
// / destination size, truncated; starts ((first pixel - edge) + 0.5) x step,
// u relative to the output source column, v an absolute source row.
const ScaledCase kScaled[] = {
    // 655359 / 100 = 6553; 524287 / 80 = 6553; 0.5 x 6553 = 3276.
    {"whole onto whole", false, {}, false, {}, false, {}, true, {0, 0, 100, 80}, {0, 0, 10, 8},
     6553, 6553, 3276, 3276},
    // Edges at .5 round away from zero: 10.5 -> 11, 30.5 -> 31, 9.5 -> 10.
    // Source top 0 + 10.5 / 20 x 8 = 4.2 -> 4. u: (11 - 10.5 + 0.5) x 32767;
    // v: (0 + 10.5 + 0.5) x 26214.
    {"fractional edges above the destination", false, {}, true, {10.5, -10.5, 30.5, 9.5}, false, {},
     true, {11, 0, 31, 10}, {0, 4, 10, 8}, 32767, 26214, 32767, 288354},
    // Clip {5, 3, 12, 9} of a twofold zoom: source from 2.5 -> 2, 1.5 -> 1,
    // 6, 4.5 -> 4. u: 5.5 x 32767 - 2 x 65536 = 49146.5; v: 3.5 x 32767.
    {"clip inside", false, {}, true, {0, 0, 20, 16}, true, {5, 3, 12, 9}, true, {5, 3, 12, 9},
     {2, 1, 6, 4}, 32767, 32767, 49146, 114684},
    // A source rectangle two columns left of the source, zoomed twofold:
    // the missing columns cut 4 destination pixels, and destination pixel 4
    // samples source column 0 as it would without the cut.
    // u: 4.5 x 32767 - 2 x 65536 = 16379.5.
    {"source rectangle sticking out, scaled", true, {-2, 0, 8, 8}, true, {0, 0, 20, 16}, false, {},
     true, {4, 0, 20, 16}, {0, 0, 8, 8}, 32767, 32767, 16379, 16383},
    // Narrower than a pixel: no u step, u start 0.
    {"thinner than a pixel", false, {}, true, {3.2, 0, 3.7, 16}, false, {}, true, {3, 0, 4, 16},
     {0, 0, 10, 8}, 0, 32767, 0, 16383},
    // Lower than a pixel: no v step, v start the source top.
    {"lower than a pixel", true, {0, 2, 10, 8}, true, {0, 2.2, 20, 2.9}, false, {}, true,
     {0, 2, 20, 3}, {0, 2, 10, 8}, 32767, 0, 16383, 131072},
    {"zero width", false, {}, true, {5, 5, 5, 10}, false, {}, false, kNone, kNone, 0, 0, 0, 0},
    {"negative height", false, {}, true, {5, 10, 9, 5}, false, {}, false, kNone, kNone, 0, 0, 0, 0},
    {"empty source rectangle", true, {3, 3, 3, 5}, false, {}, false, {}, false, kNone, kNone, 0, 0, 0, 0},
    {"source rectangle outside the source", true, {10, 0, 12, 8}, false, {}, false, {}, false, kNone,
     kNone, 0, 0, 0, 0},
    {"source rectangle too wide for 16.16", true, {0, 0, 32768, 8}, false, {}, false, {}, false, kNone,
     kNone, 0, 0, 0, 0},
    {"outside the destination", false, {}, true, {100, 0, 120, 10}, false, {}, false, kNone, kNone,
     0, 0, 0, 0},
    {"clip outside", false, {}, false, {}, true, {100, 80, 120, 90}, false, kNone, kNone, 0, 0, 0, 0},
    {"clip beside the destination rectangle", false, {}, true, {0, 0, 20, 16}, true, {30, 0, 40, 16},
     false, kNone, kNone, 0, 0, 0, 0},
};

TEST(BlitClip, ScaledTable) {
    Surfaces s(100, 80, 10, 8);
    for (const ScaledCase& c : kScaled) {
        SCOPED_TRACE(c.name);
        RECT dest = kNone;
        RECT source = kNone;
        int uStep = 0, vStep = 0, uStart = 0, vStart = 0;
        const bool left = ClipScaledBlitRects(s.dest, s.source, c.hasSourceRect ? &c.sourceRect : nullptr,
                                              c.hasDestRect ? c.destRect : nullptr, c.hasClip ? &c.clip : nullptr,
                                              &dest, &source, &uStep, &vStep, &uStart, &vStart);
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(dest, c.dest);
        EXPECT_EQ(source, c.source);
        EXPECT_EQ(uStep, c.uStep);
        EXPECT_EQ(vStep, c.vStep);
        EXPECT_EQ(uStart, c.uStart);
        EXPECT_EQ(vStart, c.vStart);
    }
}

// Walks a scaled blit as the blend loops do and checks that every sample
// lies inside the part of the source rectangle that exists, for destination
// rectangles at many sub-pixel offsets (rounding puts some first samples a
// hair before the first row) and zooms, with source rectangles reaching out
// of the source.
TEST(BlitClip, ScaledSamplesStayInsideTheSource) {
    Surfaces s(64, 64, 7, 5);
    const RECT sourceRects[] = {{0, 0, 7, 5}, {-3, -2, 7, 5}, {2, 1, 9, 8}, {-1, -1, 8, 6}};
    for (const RECT& sourceRect : sourceRects) {
        // The part of the source rectangle that exists.
        const RECT inside = {std::max(sourceRect.left, 0L), std::max(sourceRect.top, 0L),
                             std::min(sourceRect.right, 7L), std::min(sourceRect.bottom, 5L)};
        for (int shift = 0; shift < 200; ++shift) {
            for (int size = 1; size <= 80; ++size) {
                const double origin = shift * 0.0499 - 1.0;
                const double destRect[4] = {origin, origin + 0.5, origin + size * 0.37, origin + size};
                RECT dest, source;
                int uStep, vStep, uStart, vStart;
                if (!ClipScaledBlitRects(s.dest, s.source, &sourceRect, destRect, nullptr, &dest, &source,
                                         &uStep, &vStep, &uStart, &vStart)) {
                    continue;
                }
                for (int j = 0; j < dest.bottom - dest.top; ++j) {
                    const int row = (vStart + j * vStep) >> 16;
                    ASSERT_GE(row, inside.top);
                    ASSERT_LT(row, inside.bottom);
                    int column = source.left + (uStart >> 16);
                    int fraction = uStart & 0xFFFF;
                    for (int i = 0; i < dest.right - dest.left; ++i) {
                        ASSERT_GE(column, inside.left) << size << " " << shift;
                        ASSERT_LT(column, inside.right) << size << " " << shift;
                        fraction += uStep;
                        column += fraction >> 16;
                        fraction &= 0xFFFF;
                    }
                }
            }
        }
    }
}

}  // namespace
