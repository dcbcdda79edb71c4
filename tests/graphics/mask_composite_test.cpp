#include "graphics/mask_composite.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A surface of the given size whose pixels are the values, row by row.
void Make(CMemorySurface& s, int w, int h, const std::vector<Color32>& values) {
    ASSERT_EQ(s.Create(w, h), 0);
    for (int i = 0; i < w * h; ++i) s.GetPixels()[i] = values.size() == 1 ? values[0] : values[i];
}

TEST(MaskComposite, ColorOverMaskIsStraightAlphaOver) {
    struct Case {
        const char* what;
        Color32 dest, colour;
        uint32_t m;
        Color32 expected;
    };
    const Case cases[] = {
        {"opaque over transparent", 0x00000000, 0x00123456, 255, 0xFF123456},
        {"no coverage", 0x80402010, 0x00FF0080, 0, 0x80402010},
        // k = 128 x 155 / 255 = 77, a = 177
        {"partial", 0x80402010, 0x00FF0080, 100, 0xB1AB0D4F},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMemorySurface dest, mask;
        Make(dest, 1, 1, {c.dest});
        Make(mask, 1, 1, {c.m});
        CompositeColorOverMask(dest, mask, c.colour);
        EXPECT_EQ(dest.GetPixel(0, 0), c.expected);
    }
}

TEST(MaskComposite, ColorUnderMaskFillsInBehind) {
    CMemorySurface dest, mask;
    Make(dest, 1, 1, {0x40102030});
    Make(mask, 1, 1, {200});
    CompositeColorUnderMask(dest, mask, 0x00FF8000);
    // k = 191 x 200 >> 8 = 149, a = 213
    EXPECT_EQ(dest.GetPixel(0, 0), 0xD5B7630Eu);

    // A grey mask pixel counts as its coverage byte alone.
    CMemorySurface grey, greyMask;
    Make(grey, 1, 1, {0x40102030});
    Make(greyMask, 1, 1, {0x00C8C8C8});
    CompositeColorUnderMask(grey, greyMask, 0x00FF8000);
    EXPECT_EQ(grey.GetPixel(0, 0), 0xD5B7630Eu);
}

TEST(MaskComposite, TwiceSizedMasksUseTheMeanOfEachBlock) {
    CMemorySurface mask;
    // One 2 x 2 block per destination pixel: sums 101 and 1020.
    Make(mask, 4, 2, {10, 20, 255, 255, 30, 41, 255, 255});

    CMemorySurface dest;
    Make(dest, 2, 1, {0x01020304});
    SetAlphaFromMask2x(dest, mask);
    EXPECT_EQ(dest.GetPixel(0, 0), 0x19020304u);
    EXPECT_EQ(dest.GetPixel(1, 0), 0xFF020304u);

    FillColorWithMask2x(dest, mask, 0x77AABBCC);
    EXPECT_EQ(dest.GetPixel(0, 0), 0x19AABBCCu);
    EXPECT_EQ(dest.GetPixel(1, 0), 0xFFAABBCCu);

    Make(dest, 2, 1, {0});
    CompositeColorOverMask2x(dest, mask, 0x00FFFFFF);
    EXPECT_EQ(dest.GetPixel(0, 0), 0x19FFFFFFu);
    EXPECT_EQ(dest.GetPixel(1, 0), 0xFFFFFFFFu);

    // A mask that is not exactly twice the size draws nothing.
    CMemorySurface wrong;
    Make(wrong, 3, 2, {255});
    Make(dest, 2, 1, {0x01020304});
    CompositeColorOverMask2x(dest, wrong, 0x00FFFFFF);
    SetAlphaFromMask2x(dest, wrong);
    FillColorWithMask2x(dest, wrong, 0);
    CompositeColorOverMask(dest, wrong, 0);
    EXPECT_EQ(dest.GetPixel(0, 0), 0x01020304u);
}

TEST(MaskComposite, FiltersAverageInnerPixelsAndLeaveTheBorder) {
    CMemorySurface src, dest;
    Make(src, 4, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    Make(dest, 4, 3, {99});
    AverageNeighbours8(dest, src);
    // (1 + 2 + 3 + 5 + 7 + 9 + 10 + 11) >> 3 and (2 + 3 + 4 + 6 + 8 + 10 + 11 + 12) >> 3
    EXPECT_EQ(dest.GetPixel(1, 1), 6u);
    EXPECT_EQ(dest.GetPixel(2, 1), 7u);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(dest.GetPixel(x, 0), 99u);
        EXPECT_EQ(dest.GetPixel(x, 2), 99u);
    }
    EXPECT_EQ(dest.GetPixel(0, 1), 99u);
    EXPECT_EQ(dest.GetPixel(3, 1), 99u);

    Make(dest, 4, 3, {99});
    AverageBlock2x2(dest, src);
    EXPECT_EQ(dest.GetPixel(1, 1), (1u + 2 + 5 + 6) >> 2);
    EXPECT_EQ(dest.GetPixel(2, 1), (2u + 3 + 6 + 7) >> 2);
    EXPECT_EQ(dest.GetPixel(3, 1), 99u);

    CMemorySurface small;
    Make(small, 2, 2, {5});
    Make(dest, 2, 2, {99});
    AverageNeighbours8(dest, small);
    EXPECT_EQ(dest.GetPixel(1, 1), 99u);
}

}  // namespace
