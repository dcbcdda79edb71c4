#include "graphics/transformed_fill.h"

#include <gtest/gtest.h>

#include <string>

#include "simd_switches.h"

namespace {

using TransformedFill = void (*)(CMemorySurface&, Color32, const CTransform2D&, int, int,
                                 const RECT*);

constexpr Color32 kDest = 0x7FC84080;  // alpha 127, red 200, green 64, blue 128
constexpr Color32 kColour = 0x00336699;  // red 51, green 102, blue 153
constexpr RECT kNothing = {0, 0, 0, 0};

CTransform2D At(double x, double y, double opacity, double rotation = 0) {
    return CTransform2D(x, y, opacity, 1, 1, rotation);
}

struct Case {
    const char* what;
    TransformedFill fill;
    Color32 colour;
    CTransform2D placement;
    int width, height;
    RECT changed;
    Color32 expected;  // every pixel of `changed`
    SimdSwitches switches = kPlainSwitches;
};

void RunCase(const Case& c, const RECT* clip = nullptr) {
    SCOPED_TRACE(std::string(c.what) + ", " + c.switches.name);
    CScopedSimdSwitches scoped(c.switches);
    CMemorySurface s;
    ASSERT_EQ(s.Create(16, 12), 0);
    s.Fill(kDest, nullptr);
    c.fill(s, c.colour, c.placement, c.width, c.height, clip);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool inside = x >= c.changed.left && x < c.changed.right && y >= c.changed.top &&
                                y < c.changed.bottom;
            EXPECT_EQ(s.GetPixel(x, y), inside ? c.expected : kDest) << x << ", " << y;
        }
    }
}

// A 5 x 4 rectangle at (2, 3): the fill each mode and opacity picks, told
// apart by the pixels it leaves (worked out per channel from the formulas).
TEST(TransformedFill, UnrotatedPicksTheRectangleFillByModeAndOpacity) {
    const RECT r = {2, 3, 7, 7};
    const Case cases[] = {
        // Black: shifts for the dimming opacities, a halving at 128, else a scale.
        {"black at 0.753 (192) keeps a quarter", FillTransformedNormal, 0, At(2, 3, 0.753), 5, 4, r,
         0x7F321020},
        {"black at 0.8785 (224) keeps an eighth", FillTransformedNormal, 0, At(2, 3, 0.8785), 5, 4,
         r, 0x7F190810},
        {"black at 0.502 (128) halves", FillTransformedNormal, 0, At(2, 3, 0.502), 5, 4, r,
         0x7F642040},
        {"black at 0.502 halves with the SSE rounding", FillTransformedNormal, 0, At(2, 3, 0.502),
         5, 4, r, 0x40642040, kSseSwitches},
        {"black at 0.753 shifts with alpha 0 on SSE", FillTransformedNormal, 0, At(2, 3, 0.753), 5,
         4, r, 0x00321020, kSseSwitches},
        {"black at 0.3 (76) keeps 179 / 256", FillTransformedNormal, 0, At(2, 3, 0.3), 5, 4, r,
         0x7F8B2C59},
        {"black at full opacity is stored", FillTransformedNormal, 0, At(2, 3, 1), 5, 4, r,
         0x00000000},
        // Other colours: stored at 255, half at 128, weighted otherwise.
        {"colour at full opacity is stored", FillTransformedNormal, kColour, At(2, 3, 1), 5, 4, r,
         kColour},
        {"colour at 0.502 (128) is the half fill", FillTransformedNormal, kColour, At(2, 3, 0.502),
         5, 4, r, 0x7F7D538C},
        {"colour at 0.5 (127) is weighted by 127", FillTransformedNormal, kColour, At(2, 3, 0.5), 5,
         4, r, 0x7F7D528B},
        // The other modes: solid at 255, weighted by the opacity byte otherwise.
        {"adding white fills white", FillTransformedAdd, 0x00FFFFFF, At(2, 3, 1), 5, 4, r,
         0x00FFFFFF},
        {"subtracting white fills black", FillTransformedSub, 0x00FFFFFF, At(2, 3, 1), 5, 4, r,
         0x00000000},
        {"add", FillTransformedAdd, kColour, At(2, 3, 1), 5, 4, r, 0x7FFAA5FF},
        {"add at 0.5", FillTransformedAdd, kColour, At(2, 3, 0.5), 5, 4, r, 0x7FE172CB},
        {"subtract at 0.5", FillTransformedSub, kColour, At(2, 3, 0.5), 5, 4, r, 0x7FAF0E35},
        {"multiply", FillTransformedMultiply, kColour, At(2, 3, 1), 5, 4, r, 0x7F27194C},
        {"multiply at 0.5", FillTransformedMultiply, kColour, At(2, 3, 0.5), 5, 4, r, 0x7F782C66},
        {"screen", FillTransformedScreen, kColour, At(2, 3, 1), 5, 4, r, 0x7FD48DCD},
        {"screen at 0.5", FillTransformedScreen, kColour, At(2, 3, 0.5), 5, 4, r, 0x7FCE67A6},
        {"overlay", FillTransformedOverlay, kColour, At(2, 3, 1), 5, 4, r, 0x7FA83398},
        {"overlay at 0.5", FillTransformedOverlay, kColour, At(2, 3, 0.5), 5, 4, r, 0x7FB83A8C},
        // Edges rounded half away from zero after the zoom: 2.5 -> 3, 12.5 -> 13,
        // -0.5 -> -1, 5.5 -> 6.
        {"zoomed and moved", FillTransformedNormal, kColour, CTransform2D(2.5, -0.5, 1, 2, 1.5, 0),
         5, 4, {3, 0, 13, 6}, kColour},
        {"a full turn is no rotation", FillTransformedNormal, kColour, At(2, 3, 1, 360.0004), 5, 4,
         r, kColour},
        // Nothing below the thresholds.
        {"opacity 0.003 (byte 0)", FillTransformedNormal, kColour, At(2, 3, 0.003), 5, 4, kNothing,
         0},
        {"opacity 0.001", FillTransformedAdd, kColour, At(2, 3, 0.001), 5, 4, kNothing, 0},
        {"zoom 0.001", FillTransformedScreen, kColour, CTransform2D(2, 3, 1, 0.001, 1, 0), 5, 4,
         kNothing, 0},
        {"rotated at opacity 0.003", FillTransformedMultiply, kColour, At(2, 3, 0.003, 45), 5, 4,
         kNothing, 0},
    };
    for (const Case& c : cases) RunCase(c);
}

// A 4 x 3 rectangle at (10, 2) turned a quarter: corners (10, 2), (10, 6 -
// 1/65536), (7 + 1/65536, 6 - 1/65536), (7 + 1/65536, 2); the edges cover
// columns 7 to 10 and rows 2 to 5, both ends included. The polygon fills
// weigh by the opacity byte as the colour's alpha.
TEST(TransformedFill, RotatedUsesThePolygonFillOfTheMode) {
    const RECT r = {7, 2, 11, 6};
    const CTransform2D full = At(10, 2, 1, 90);
    const CTransform2D half = At(10, 2, 0.5, 90);
    const Case cases[] = {
        // The colour with alpha 255 is stored.
        {"normal", FillTransformedNormal, kColour, full, 4, 3, r, 0xFF336699},
        {"normal at 0.5", FillTransformedNormal, kColour, half, 4, 3, r, 0x7F7D528B},
        {"subtracting white fills black", FillTransformedSub, 0x00FFFFFF, full, 4, 3, r, 0xFF000000},
        {"add", FillTransformedAdd, kColour, full, 4, 3, r, 0x7FFAA5FF},
        // The polygon multiply weighs twice: m = 255 - ((256 - (c x a >> 8)) x a >> 8).
        {"multiply at 0.5", FillTransformedMultiply, kColour, half, 4, 3, r, 0x7F6E2653},
        {"screen at 0.5", FillTransformedScreen, kColour, half, 4, 3, r, 0x7FCE67A6},
        {"overlay at 0.5", FillTransformedOverlay, kColour, half, 4, 3, r, 0x7FB83A8C},
    };
    for (const Case& c : cases) RunCase(c);
}

TEST(TransformedFill, ATinyRotationCountsAsRotated) {
    CMemorySurface s;
    ASSERT_EQ(s.Create(16, 12), 0);
    s.Fill(kDest, nullptr);
    FillTransformedNormal(s, kColour, At(2, 3, 1, 0.002), 5, 4, nullptr);
    EXPECT_EQ(s.GetPixel(4, 5), 0xFF336699u);  // the polygon fill's alpha 255
}

TEST(TransformedFill, TheClipCutsBothKinds) {
    const RECT clip = {8, 3, 20, 5};
    RunCase({"unrotated", FillTransformedAdd, kColour, At(2, 3, 1), 8, 4, {8, 3, 10, 5}, 0x7FFAA5FF},
            &clip);
    RunCase({"rotated", FillTransformedAdd, kColour, At(10, 2, 1, 90), 4, 3, {8, 3, 11, 5},
             0x7FFAA5FF},
            &clip);
    // The MMX path of the polygon fill blends the alpha byte too: 127 x 128
    // >> 8 plus 127 x 127 >> 8.
    RunCase({"rotated at 0.5 on MMX", FillTransformedNormal, kColour, At(10, 2, 0.5, 90), 4, 3,
             {8, 3, 11, 5}, 0x7E7D528B, kMmxSwitches},
            &clip);
}

}  // namespace
