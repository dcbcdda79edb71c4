#include "graphics/lines.h"

#include <gtest/gtest.h>

#include "surface_contents.h"

#include <set>
#include <utility>
#include <vector>

namespace {

using Points = PixelSet;

TEST(ClipLine, CutsSegmentsToTheRectangle) {
    const RECT r = {0, 0, 20, 20};
    struct Case {
        int x1, y1, x2, y2;
        bool kept;
        int ex1, ey1, ex2, ey2;
    };
    const Case cases[] = {
        {-10, 5, 10, 5, true, 0, 5, 10, 5},
        {-10, -10, 10, 10, true, 0, 0, 10, 10},
        {5, -10, 5, 30, true, 5, 0, 5, 19},
        {-5, 30, 30, -5, true, 6, 19, 19, 6},
        {3, 4, 15, 16, true, 3, 4, 15, 16},
        {25, 5, 30, 8, false, 0, 0, 0, 0},
        {-5, 3, 3, -5, false, 0, 0, 0, 0},
        {5, 25, 8, 40, false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        int x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
        SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2);
        ASSERT_EQ(ClipLine(x1, y1, x2, y2, r), c.kept);
        if (c.kept) {
            EXPECT_EQ(x1, c.ex1);
            EXPECT_EQ(y1, c.ey1);
            EXPECT_EQ(x2, c.ex2);
            EXPECT_EQ(y2, c.ey2);
        }
    }
}

TEST(DrawLineSolid, WalksBresenhamInEveryDirection) {
    struct Case {
        const char* what;
        int x1, y1, x2, y2;
        Points expected;
    };
    const Case cases[] = {
        {"shallow", 1, 1, 6, 3, {{1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {6, 3}}},
        {"steep", 2, 0, 3, 4, {{2, 0}, {2, 1}, {3, 2}, {3, 3}, {3, 4}}},
        {"diagonal up", 0, 7, 3, 4, {{0, 7}, {1, 6}, {2, 5}, {3, 4}}},
        {"horizontal, drawn right to left", 6, 5, 2, 5, {{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}}},
        {"vertical", 4, 6, 4, 3, {{4, 3}, {4, 4}, {4, 5}, {4, 6}}},
        {"clipped on the left", -3, 2, 2, 2, {{0, 2}, {1, 2}, {2, 2}}},
        {"outside", 9, 0, 12, 5, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMemorySurface s;
        ASSERT_EQ(s.Create(8, 8), 0);
        DrawLineSolid(s, c.x1, c.y1, c.x2, c.y2, 0x11223344, nullptr);
        EXPECT_EQ(ChangedPixels(s, 0), c.expected);
    }
}

TEST(DrawLine, ClipRectangleLimitsTheLine) {
    CMemorySurface s;
    ASSERT_EQ(s.Create(8, 8), 0);
    const RECT clip = {2, 0, 5, 8};
    DrawLine(s, 0, 3, 7, 3, 0xFF000001, &clip);
    EXPECT_EQ(ChangedPixels(s, 0), (Points{{2, 3}, {3, 3}, {4, 3}}));
}

TEST(DrawLine, StraightLinesBlendEveryPixelWithTheAlpha) {
    CMemorySurface opaque, solid;
    ASSERT_EQ(opaque.Create(6, 6), 0);
    ASSERT_EQ(solid.Create(6, 6), 0);
    DrawLine(opaque, 2, 1, 2, 4, 0xFF123456, nullptr);
    DrawLineSolid(solid, 2, 1, 2, 4, 0xFF123456, nullptr);
    EXPECT_EQ(ChangedPixels(opaque, 0), ChangedPixels(solid, 0));

    CMemorySurface s;
    ASSERT_EQ(s.Create(6, 6), 0);
    s.Fill(0x40102030, nullptr);
    DrawLine(s, 1, 1, 1, 3, 0x80FF8000, nullptr);
    // Each channel (d x 127 + c x 128) / 255, alpha (64 x 127 + 128 x 128) / 255.
    for (int y = 1; y <= 3; ++y) EXPECT_EQ(s.GetPixel(1, y), 0x60875017u);
    EXPECT_EQ(s.GetPixel(1, 0), 0x40102030u);
    EXPECT_EQ(s.GetPixel(1, 4), 0x40102030u);
}

TEST(DrawLine, SlopedLinesShareTheAlphaWithTheNeighbourAcrossTheLine) {
    CMemorySurface s;
    ASSERT_EQ(s.Create(6, 4), 0);
    DrawLine(s, 0, 0, 4, 1, 0xFFFFFFFF, nullptr);
    // Weights 255 x (e + 8) / 8 along the line, 255 - w beside it; white over
    // black at weight w is w in every byte.
    const struct {
        int x, y;
        uint32_t w;
    } expected[] = {{0, 0, 127}, {1, 0, 191}, {2, 1, 0}, {2, 0, 255}, {3, 1, 63},
                    {3, 0, 192}, {4, 1, 127}, {4, 0, 128}};
    for (const auto& e : expected) {
        SCOPED_TRACE(testing::Message() << e.x << "," << e.y);
        EXPECT_EQ(s.GetPixel(e.x, e.y), e.w * 0x01010101u);
    }
    EXPECT_EQ(s.GetPixel(5, 0), 0u);
    EXPECT_EQ(s.GetPixel(1, 1), 0u);

    CMemorySurface diagonal;
    ASSERT_EQ(diagonal.Create(5, 5), 0);
    DrawLine(diagonal, 0, 0, 3, 3, 0xC8FF0000, nullptr);
    // Alpha 200: every pixel and its neighbour above take weight 100.
    const Color32 half = (200u * 100 / 255) << 24 | (255u * 100 / 255) << 16;
    Points expectedPixels = {{0, 0}};
    for (int k = 1; k <= 3; ++k) expectedPixels.insert({{k, k}, {k, k - 1}});
    EXPECT_EQ(ChangedPixels(diagonal, 0), expectedPixels);
    for (const auto& p : expectedPixels) EXPECT_EQ(diagonal.GetPixel(p.first, p.second), half);
}

TEST(DrawLinePiece, PiecesUnderAnyClipsAddUpToTheWholeLine) {
    // Sloped lines in every direction, some reaching past the destination,
    // drawn once whole and once as 7 x 5 pieces: the same pixels. DrawLine
    // under the same pieces moves the slope with each clip and differs.
    const struct {
        int x1, y1, x2, y2;
        Color32 colour;
    } lines[] = {{1, 2, 40, 17, 0xFFE04020}, {38, 1, 3, 29, 0xC040FF80},
                 {-20, 25, 50, -8, 0xFF2080FF}, {5, 30, 9, -30, 0x80FFFFFF}};
    bool drawLineDiffers = false;
    for (const auto& l : lines) {
        SCOPED_TRACE(testing::Message() << l.x1 << "," << l.y1 << " - " << l.x2 << "," << l.y2);
        CMemorySurface whole, pieces, clipped;
        for (CMemorySurface* s : {&whole, &pieces, &clipped}) {
            ASSERT_EQ(s->Create(42, 31), 0);
            s->Fill(0x30405060, nullptr);
        }
        DrawLine(whole, l.x1, l.y1, l.x2, l.y2, l.colour, nullptr);
        for (int top = 0; top < 31; top += 5) {
            for (int left = 0; left < 42; left += 7) {
                const RECT piece = {left, top, left + 7, top + 5};
                DrawLinePiece(pieces, l.x1, l.y1, l.x2, l.y2, l.colour, &piece);
                DrawLine(clipped, l.x1, l.y1, l.x2, l.y2, l.colour, &piece);
            }
        }
        EXPECT_EQ(PixelsOf(pieces), PixelsOf(whole));
        drawLineDiffers = drawLineDiffers || PixelsOf(clipped) != PixelsOf(whole);
    }
    EXPECT_TRUE(drawLineDiffers);
}

TEST(DrawLinePiece, NothingOutsideTheClip) {
    CMemorySurface s;
    ASSERT_EQ(s.Create(10, 10), 0);
    const RECT clip = {3, 0, 6, 4};
    DrawLinePiece(s, 0, 0, 9, 9, 0xFFFFFFFF, &clip);
    for (const auto& p : ChangedPixels(s, 0)) {
        EXPECT_TRUE(p.first >= 3 && p.first < 6 && p.second < 4) << p.first << "," << p.second;
    }
    EXPECT_EQ(ChangedPixels(s, 0), (Points{{3, 2}, {3, 3}, {4, 3}}));
}

}  // namespace
