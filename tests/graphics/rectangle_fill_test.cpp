#include "graphics/rectangle_fill.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "expect_box.h"
#include "graphics/fill_codes.h"
#include "simd_switches.h"
#include "surface_contents.h"

namespace {

using Fill = std::function<void(CMemorySurface&, int, int, int, int, const RECT*)>;

// The fill of one colour by a routine of the colour-taking form.
Fill WithColour(FillRoutine routine, Color32 colour) {
    return [routine, colour](CMemorySurface& s, int l, int t, int r, int b, const RECT* clip) {
        routine(s, l, t, r, b, colour, clip);
    };
}

// Every test here needs the processor's SIMD paths to mean anything on them.
void ExpectSimdProcessor() {
    EXPECT_TRUE(HasMMX());
    EXPECT_TRUE(HasSSE());
}

// The destination 0x7FC84080 (alpha 127, red 200, green 64, blue 128) under
// the colour 0x8030A0FF (alpha 128, red 48, green 160, blue 255), worked out
// channel by channel from the formulas; then the edge cases. Each row is run
// on a 3 x 1 surface (one single pixel, one pair) with both switches off,
// with MMX on, and with MMX and SSE on.
TEST(RectangleFill, EveryModeAndShortcutPerPath) {
    ExpectSimdProcessor();
    const Color32 d = 0x7FC84080;
    const Color32 c = 0x8030A0FF;
    struct Case {
        const char* what;
        Fill fill;
        Color32 dest;
        Color32 plain, mmx, sse;
    };
    const Case cases[] = {
        // The colour word stored as it is, alpha byte included.
        {"FillNormal of red with alpha 128", WithColour(FillNormal, 0x80FF0000), d, 0x80FF0000,
         0x80FF0000, 0x80FF0000},
        // B (128 x 127 >> 8) + (255 x 128 >> 8) = 63 + 127, G 31 + 80, R 99 + 24;
        // MMX leaves alpha 0 (SSE has no path of its own: MMX).
        {"FillNormalAlpha", WithColour(FillNormalAlpha, c), d, 0x7F7B6FBE, 0x007B6FBE, 0x007B6FBE},
        // Alpha 0 keeps (d x 255) >> 8: 255 becomes 254, 128 becomes 127.
        {"FillNormalAlpha, alpha 0", WithColour(FillNormalAlpha, 0x00ABCDEF), 0x12FF8001,
         0x12FE7F00, 0x00FE7F00, 0x00FE7F00},
        // Alpha 255 stores (c x 255) >> 8: 1 -> 0, 64 -> 63, 128 -> 127.
        {"FillNormalAlpha, alpha 255", WithColour(FillNormalAlpha, 0xFF804001), d, 0x7F7F3F00,
         0x007F3F00, 0x007F3F00},
        // B 128 + 254, G 64 + 159, R 200 + 47.
        {"FillAdd", WithColour(FillAdd, c), d, 0x7FF7DFFF, 0x7FF7DFFF, 0x7FF7DFFF},
        {"FillAdd of white adds 254", WithColour(FillAdd, 0x00FFFFFF), 0x33000102, 0x33FEFFFF,
         0x33FEFFFF, 0x33FEFFFF},
        // B 128 + 127, G 64 + 80, R 200 + 24.
        {"FillAddAlpha", WithColour(FillAddAlpha, c), d, 0x7FE090FF, 0x7FE090FF, 0x7FE090FF},
        // B 128 - 254, G 64 - 159, R 200 - 47.
        {"FillSub", WithColour(FillSub, c), d, 0x7F990000, 0x7F990000, 0x7F990000},
        {"FillSub of white", WithColour(FillSub, 0x00FFFFFF), d, 0x7F000000, 0x7F000000, 0x7F000000},
        // B 128 - 127, G 64 - 80, R 200 - 24.
        {"FillSubAlpha", WithColour(FillSubAlpha, c), d, 0x7FB00001, 0x7FB00001, 0x7FB00001},
        // B 128 x 255 >> 8, G 64 x 160 >> 8, R 200 x 48 >> 8; the colour's alpha unused.
        {"FillMultiply", WithColour(FillMultiply, c), d, 0x7F25287F, 0x7F25287F, 0x7F25287F},
        {"FillMultiply of white", WithColour(FillMultiply, 0xFFFFFFFF), d, 0x7FC73F7F, 0x7FC73F7F,
         0x7FC73F7F},
        // c' = 255 - ((256 - c) x 128 >> 8): B 255, G 207, R 151.
        {"FillMultiplyAlpha", WithColour(FillMultiplyAlpha, c), d, 0x7F75337F, 0x7F75337F,
         0x7F75337F},
        // B 255 - (127 x 0 >> 8), G 255 - (191 x 95 >> 8), R 255 - (55 x 207 >> 8).
        {"FillScreen", WithColour(FillScreen, c), d, 0x7FD3B9FF, 0x7FD3B9FF, 0x7FD3B9FF},
        // c' = c x 128 >> 8: B 127, G 80, R 24.
        {"FillScreenAlpha", WithColour(FillScreenAlpha, c), d, 0x7FCE7DC0, 0x7FCE7DC0, 0x7FCE7DC0},
        // B: d = 128 takes (d x dark) >> 7 with dark 254; G dark 159: 64 x 159 >> 7;
        // R light 207: 255 - (55 x 207 / 128).
        {"FillOverlay", WithColour(FillOverlay, c), d, 0x7FA74FFE, 0x7FA74FFE, 0x7FA74FFE},
        // B dark 128 + 63, G dark 128 + 16, R light 128 + 40.
        {"FillOverlayAlpha", WithColour(FillOverlayAlpha, c), d, 0x7FB748BF, 0x7FB748BF,
         0x7FB748BF},
        // (d x 100) >> 8; alpha 0 on MMX.
        {"FillNormalBlackOpacity",
         [](CMemorySurface& s, int l, int t, int r, int b, const RECT* clip) {
             FillNormalBlackOpacity(s, l, t, r, b, 100, clip);
         },
         d, 0x7F4E1932, 0x004E1932, 0x004E1932},
        // d >> 1; alpha 0 on MMX; (d + 1) >> 1 on all four bytes on SSE.
        {"FillNormalBlackHalf",
         [](CMemorySurface& s, int l, int t, int r, int b, const RECT* clip) {
             FillNormalBlackHalf(s, l, t, r, b, clip);
         },
         d, 0x7F642040, 0x00642040, 0x40642040},
        // d >> 3; alpha 0 on MMX and on SSE.
        {"FillNormalBlackShift",
         [](CMemorySurface& s, int l, int t, int r, int b, const RECT* clip) {
             FillNormalBlackShift(s, l, t, r, b, 3, clip);
         },
         d, 0x7F190810, 0x00190810, 0x00190810},
        // (d >> 1) + (c >> 1); alpha 0 on MMX; (d + c + 1) >> 1 on all four bytes on SSE.
        {"FillNormalHalf", WithColour(FillNormalHalf, c), d, 0x7F7C70BF, 0x007C70BF, 0x807C70C0},
    };
    const SimdSwitches settings[] = {kPlainSwitches, kMmxSwitches, kSseSwitches};
    for (const Case& k : cases) {
        for (const SimdSwitches& switches : settings) {
            SCOPED_TRACE(std::string(k.what) + ", " + switches.name);
            const Color32 expected = switches.sse ? k.sse : switches.mmx ? k.mmx : k.plain;
            CScopedSimdSwitches scoped(switches);
            CMemorySurface s;
            ASSERT_EQ(s.Create(3, 1), 0);
            s.Fill(k.dest, nullptr);
            k.fill(s, 0, 0, 3, 1, nullptr);
            EXPECT_EQ(PixelsOf(s), std::vector<Color32>(3, expected));
        }
    }
}

// Every rectangle fill, on every path: nothing outside the rectangle, the
// clip and the surface changes, and everything inside does.
TEST(RectangleFill, TouchesOnlyTheClippedRectangle) {
    const Color32 background = 0x5A3C7E99;
    const Fill fills[] = {
        WithColour(FillNormal, 0x11223344),
        WithColour(FillNormalAlpha, 0x80FFFFFF),
        WithColour(FillAdd, 0x00101010),
        WithColour(FillAddAlpha, 0x80202020),
        WithColour(FillSub, 0x00101010),
        WithColour(FillSubAlpha, 0x80202020),
        WithColour(FillMultiply, 0x00808080),
        WithColour(FillMultiplyAlpha, 0x80808080),
        WithColour(FillScreen, 0x00808080),
        WithColour(FillScreenAlpha, 0x80808080),
        WithColour(FillOverlay, 0x00FFFFFF),
        WithColour(FillOverlayAlpha, 0x80FFFFFF),
        [](CMemorySurface& s, int l, int t, int r, int b, const RECT* clip) {
            FillNormalBlackOpacity(s, l, t, r, b, 100, clip);
        },
        [](CMemorySurface& s, int l, int t, int r, int b, const RECT* clip) {
            FillNormalBlackHalf(s, l, t, r, b, clip);
        },
        [](CMemorySurface& s, int l, int t, int r, int b, const RECT* clip) {
            FillNormalBlackShift(s, l, t, r, b, 2, clip);
        },
        WithColour(FillNormalHalf, 0x00FFFFFF),
    };
    struct Geometry {
        RECT fill;
        const RECT* clip;
        RECT changed;  // empty: nothing changes
    };
    static const RECT kClip = {3, 2, 14, 9};      // 11 wide: odd rows
    static const RECT kEvenClip = {-4, 5, 6, 40};  // reaches out of the surface
    static const RECT kEmptyClip = {5, 5, 5, 9};
    const Geometry geometries[] = {
        {{-5, -5, 50, 50}, &kClip, {3, 2, 14, 9}},
        {{4, 1, 8, 20}, &kClip, {4, 2, 8, 9}},
        {{-5, -5, 50, 50}, &kEvenClip, {0, 5, 6, 12}},
        {{15, 10, 40, 40}, nullptr, {15, 10, 20, 12}},
        {{1, 1, 4, 4}, &kEmptyClip, {0, 0, 0, 0}},
        {{20, 0, 30, 12}, nullptr, {0, 0, 0, 0}},
        {{7, 7, 3, 9}, nullptr, {0, 0, 0, 0}},
    };
    const SimdSwitches settings[] = {kPlainSwitches, kMmxSwitches, kSseSwitches};
    for (const SimdSwitches& switches : settings) {
        CScopedSimdSwitches scoped(switches);
        for (size_t f = 0; f < std::size(fills); ++f) {
            for (const Geometry& g : geometries) {
                SCOPED_TRACE(std::string(switches.name) + ", fill " + std::to_string(f) +
                             ", changed {" + std::to_string(g.changed.left) + ", " +
                             std::to_string(g.changed.top) + "}");
                CMemorySurface s;
                ASSERT_EQ(s.Create(20, 12), 0);
                s.Fill(background, nullptr);
                fills[f](s, g.fill.left, g.fill.top, g.fill.right, g.fill.bottom, g.clip);
                for (int y = 0; y < 12; ++y) {
                    for (int x = 0; x < 20; ++x) {
                        const bool inside = x >= g.changed.left && x < g.changed.right &&
                                            y >= g.changed.top && y < g.changed.bottom;
                        if (inside) {
                            EXPECT_NE(s.GetPixel(x, y), background) << x << ", " << y;
                        } else {
                            ASSERT_EQ(s.GetPixel(x, y), background) << x << ", " << y;
                        }
                    }
                }
            }
        }
    }
}

// Sizes whose pixel counts leave every remainder of the eight-pixel steps.
TEST(FillSurfaceFast, StoresTheColourInEveryPixelOnEveryPath) {
    const int sizes[][2] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 3}, {8, 2}, {13, 1}, {37, 7}};
    for (const SimdSwitches& switches : kEverySwitchSetting) {
        CScopedSimdSwitches scoped(switches);
        for (const auto& size : sizes) {
            SCOPED_TRACE(std::string(switches.name) + ", " + std::to_string(size[0]) + " x " +
                         std::to_string(size[1]));
            CMemorySurface s;
            ASSERT_EQ(s.Create(size[0], size[1]), 0);
            s.Fill(0x12345678, nullptr);
            FillSurfaceFast(s, 0x80FF00AA);
            EXPECT_EQ(PixelsOf(s), std::vector<Color32>(size_t(size[0]) * size[1], 0x80FF00AA));
        }
    }
}

TEST(FillSurfaceFast, OnASurfaceWithoutPixelsRaisesTheSurfaceWarning) {
    CMemorySurface s;
    EXPECT_THROW(FillSurfaceFast(s, 0), CInternalError);
    ExpectOneBox(ErrorKind::Warning, 1010, 577);
}

TEST(FillCode, EveryCodeNamesItsFillAndOthersNone) {
    const struct {
        int code;
        FillRoutine routine;
    } table[] = {
        {1100, &FillNormal},   {1101, &FillNormalAlpha},   {1200, &FillAdd},
        {1201, &FillAddAlpha}, {1300, &FillSub},           {1301, &FillSubAlpha},
        {1400, &FillMultiply}, {1401, &FillMultiplyAlpha}, {1500, &FillScreen},
        {1501, &FillScreenAlpha}, {1600, &FillOverlay},    {1601, &FillOverlayAlpha},
    };
    for (const auto& row : table) EXPECT_EQ(FindFillRoutine(row.code), row.routine) << row.code;
    for (int code : {0, 100, 104, 1000, 1102, 1099, 1700, 1602, 1001, -1100}) {
        EXPECT_EQ(FindFillRoutine(code), nullptr) << code;
    }
}

}  // namespace
