// The kept DIB section of the glyph renderers: reused and grown up to its
// bound, its asked-for area cleared each time, larger asks served by a
// section of their own that does not replace the kept one.
#include <gtest/gtest.h>

#include <windows.h>

#include "text/glyph_scratch.h"

namespace {

bool AreaIsClear(const CMemorySurface& surface, int width, int height) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (surface.GetPixel(x, y) != 0) return false;
    return true;
}

TEST(GlyphScratch, ReusesAndGrowsWithinItsBound) {
    CGlyphScratch scratch(100 * 100);
    CMemorySurface* first = scratch.Prepare(40, 30);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(first->GetDC(), nullptr);  // GDI can draw into it
    first->Fill(0xFFFFFFFFu - 1, nullptr);

    CMemorySurface* again = scratch.Prepare(20, 25);
    EXPECT_EQ(again, first);
    EXPECT_TRUE(AreaIsClear(*again, 20, 25));
    EXPECT_NE(again->GetPixel(20, 0), 0u);  // outside the asked area: left as it was

    CMemorySurface* grown = scratch.Prepare(90, 10);
    ASSERT_NE(grown, nullptr);
    int width = 0;
    int height = 0;
    grown->GetSize(width, height);
    EXPECT_EQ(width, 90);
    EXPECT_EQ(height, 30);  // the larger of old and new, each way
    EXPECT_TRUE(AreaIsClear(*grown, 90, 10));
}

TEST(GlyphScratch, ServesALargerAskWithASectionOfItsOwn) {
    CGlyphScratch scratch(50 * 50);
    CMemorySurface* kept = scratch.Prepare(50, 50);
    ASSERT_NE(kept, nullptr);
    CMemorySurface* large = scratch.Prepare(60, 60);
    ASSERT_NE(large, nullptr);
    EXPECT_NE(large, kept);
    EXPECT_NE(large->GetDC(), nullptr);
    EXPECT_TRUE(AreaIsClear(*large, 60, 60));
    int width = 0;
    int height = 0;
    kept->GetSize(width, height);
    EXPECT_EQ(width, 50);  // the kept one is untouched
    EXPECT_EQ(scratch.Prepare(10, 10), kept);
    large->GetSize(width, height);
    EXPECT_EQ(width, 0);  // and the large one released
}

}  // namespace
