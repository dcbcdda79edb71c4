#include <gtest/gtest.h>

#include <vector>

#include "text/glyph_pixels.h"

namespace {

// Only the low byte of a GDI pixel counts as coverage: the other bytes are
// set to junk to show they are not read.
Color32 Gdi(int low) { return 0xA5C3E100u | static_cast<Color32>(low); }

TEST(GlyphPixels, SupersampledCoverageOfA4x4Block) {
    // An 8 x 4 source: block 0 sums to 16 x 220 = 3520, block 1 to 16 x 15.
    std::vector<Color32> source(8 * 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) source[y * 8 + x] = Gdi(x < 4 ? 220 : 15);
    }
    EXPECT_EQ(SupersampledCoverage(source.data(), 8, 0, 0, false), 220);
    EXPECT_EQ(SupersampledCoverage(source.data(), 8, 0, 0, true), 255);  // (3520 + 880) / 16 = 275, held
    EXPECT_EQ(SupersampledCoverage(source.data(), 8, 1, 0, false), 15);
    EXPECT_EQ(SupersampledCoverage(source.data(), 8, 1, 0, true), 18);  // (240 + 60) / 16
    // One lit sample: 255 / 16 = 15, boosted (255 + 63) / 16 = 19.
    std::vector<Color32> single(4 * 4, Gdi(0));
    single[3 * 4 + 2] = Gdi(255);
    EXPECT_EQ(SupersampledCoverage(single.data(), 4, 0, 0, false), 15);
    EXPECT_EQ(SupersampledCoverage(single.data(), 4, 0, 0, true), 19);
}

TEST(GlyphPixels, HalfCoverageIsTheMeanOf2x2) {
    const std::vector<Color32> source = {Gdi(1), Gdi(2), Gdi(9), Gdi(9),   //
                                         Gdi(4), Gdi(6), Gdi(9), Gdi(9)};
    EXPECT_EQ(HalfCoverage(source.data(), 4, 0, 0), 3);  // 13 / 4
    EXPECT_EQ(HalfCoverage(source.data(), 4, 1, 0), 9);
}

TEST(GlyphPixels, CompositeUnderWeighsByWhatIsLeft) {
    const struct {
        Color32 before;
        int coverage;
        Color32 colour;
        Color32 after;
    } kCases[] = {
        {0x00000000u, 255, 0x00112233u, 0xFF112233u},  // nothing in front: the colour
        {0xFF405060u, 255, 0x00112233u, 0xFF405060u},  // opaque in front: untouched
        // add = 200 x 127 / 255 = 99, A = 227: (200 x 128) / 227, (100 x 128
        // + 50 x 99) / 227, (255 x 99) / 227.
        {0x80C86400u, 200, 0x000032FFu, 0xE3704E6Fu},
        {0x00123456u, 0, 0x00FFFFFFu, 0x00123456u},  // no alpha at all: left alone
        {0x40FFFFFFu, 0, 0x00000000u, 0x40FFFFFFu},  // no coverage: same pixel
    };
    for (const auto& c : kCases) {
        Color32 pixel = c.before;
        CompositeUnder(&pixel, c.coverage, c.colour);
        EXPECT_EQ(pixel, c.after) << std::hex << c.before;
    }
}

}  // namespace
