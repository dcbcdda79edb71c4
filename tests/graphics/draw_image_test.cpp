#include "graphics/draw_image.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "graphics/blend_blits.h"
#include "graphics/rotated_blits.h"
#include "simd_switches.h"
#include "surface_contents.h"

namespace {

using DrawImage = void (*)(CMemorySurface&, const CMemorySurface&, const CTransform2D&, bool,
                           const RECT*, const RECT*);

void FillPattern(CMemorySurface& s, int width, int height, Color32 seed) {
    ASSERT_EQ(s.Create(width, height), 0);
    const uint32_t alphas[] = {0, 255, 90, 128, 250};
    for (int i = 0; i < width * height; ++i) {
        s.GetPixels()[i] = ((seed ^ static_cast<Color32>(i * 0x0A1B2F)) & 0x00FFFFFF) |
                           alphas[i % 5] << 24;
    }
}

const RECT kSourceRect = {1, 1, 7, 6};
const RECT kClip = {2, 1, 22, 19};

// What each mode's draw must do, as the direct call of the blit it must
// choose: one case per kind and weighting.
struct Expectation {
    const char* what;
    CTransform2D placement;
    bool useSourceAlpha;
    std::function<void(CMemorySurface& dest, const CMemorySurface& src)> direct;
};

FixedPoint P(int32_t x, int32_t y) { return {x, y}; }

// Quarter turn about (15, 3) of the 6 x 5 source rectangle: its corners
// (1, 1) to (7 x 65536 - 1, 6 x 65536 - 1) land on these.
#define MIRL_QUARTER_TURN(routine, ...)                                                         \
    routine(d, P(983040, 196608), P(983040, 589823), P(655361, 589823), P(655361, 196608), s,   \
            P(65536, 65536), P(458751, 65536), P(458751, 393215), P(65536, 393215), __VA_ARGS__)

#define MIRL_EXPECTATIONS(mode)                                                                 \
    {#mode " opaque", CTransform2D(4.4, 2.5, 1, 1, 1, 0), false,                                 \
     [](CMemorySurface& d, const CMemorySurface& s) { Blit##mode(d, 4, 3, s, &kSourceRect, &kClip); }}, \
    {#mode " half", CTransform2D(4, 3, 0.502, 1, 1, 0), false,                                   \
     [](CMemorySurface& d, const CMemorySurface& s) {                                            \
         Blit##mode##Half(d, 4, 3, s, &kSourceRect, &kClip);                                    \
     }},                                                                                        \
    {#mode " opacity", CTransform2D(-1.5, 3, 0.5, 1.0005, 0.9995, 360), false,                   \
     [](CMemorySurface& d, const CMemorySurface& s) {                                            \
         Blit##mode##Opacity(d, -2, 3, s, &kSourceRect, 127, &kClip);                           \
     }},                                                                                        \
    {#mode " alpha", CTransform2D(4, 3, 1, 1, 1, 0), true,                                       \
     [](CMemorySurface& d, const CMemorySurface& s) {                                            \
         Blit##mode##Alpha(d, 4, 3, s, &kSourceRect, &kClip);                                   \
     }},                                                                                        \
    {#mode " alpha at 128", CTransform2D(4, 3, 0.502, 1, 1, 0), true,                            \
     [](CMemorySurface& d, const CMemorySurface& s) {                                            \
         Blit##mode##AlphaOpacity(d, 4, 3, s, &kSourceRect, 128, &kClip);                       \
     }},                                                                                        \
    {#mode " scaled", CTransform2D(3.25, 2.5, 1, 2.5, 1.5, 0), false,                            \
     [](CMemorySurface& d, const CMemorySurface& s) {                                            \
         const double r[4] = {3.25, 2.5, 18.25, 10.0};                                          \
         BlitScaled##mode(d, s, &kSourceRect, r, &kClip);                                       \
     }},                                                                                        \
    {#mode " scaled opacity", CTransform2D(3.25, 2.5, 0.502, 2.5, 1.5, 0), false,                \
     [](CMemorySurface& d, const CMemorySurface& s) {                                            \
         const double r[4] = {3.25, 2.5, 18.25, 10.0};                                          \
         BlitScaled##mode##Opacity(d, s, &kSourceRect, r, 128, &kClip);                         \
     }},                                                                                        \
    {#mode " scaled alpha", CTransform2D(3.25, 2.5, 1, 2.5, 1.5, 0), true,                       \
     [](CMemorySurface& d, const CMemorySurface& s) {                                            \
         const double r[4] = {3.25, 2.5, 18.25, 10.0};                                          \
         BlitScaled##mode##Alpha(d, s, &kSourceRect, r, &kClip);                                \
     }},                                                                                        \
    {#mode " scaled alpha opacity", CTransform2D(3.25, 2.5, 0.3, 2.5, 1.5, 0), true,             \
     [](CMemorySurface& d, const CMemorySurface& s) {                                            \
         const double r[4] = {3.25, 2.5, 18.25, 10.0};                                          \
         BlitScaled##mode##AlphaOpacity(d, s, &kSourceRect, r, 76, &kClip);                     \
     }},                                                                                        \
    {#mode " rotated", CTransform2D(15, 3, 1, 1, 1, 90), false,                                  \
     [](CMemorySurface& d, const CMemorySurface& s) { MIRL_QUARTER_TURN(BlitRotated##mode, &kClip); }}, \
    {#mode " rotated opacity", CTransform2D(15, 3, 0.502, 1, 1, 90), false,                      \
     [](CMemorySurface& d, const CMemorySurface& s) {                                            \
         MIRL_QUARTER_TURN(BlitRotated##mode##Opacity, 128, &kClip);                            \
     }},                                                                                        \
    {#mode " rotated alpha", CTransform2D(15, 3, 1, 1, 1, 90), true,                             \
     [](CMemorySurface& d, const CMemorySurface& s) {                                            \
         MIRL_QUARTER_TURN(BlitRotated##mode##Alpha, &kClip);                                   \
     }},                                                                                        \
    {#mode " rotated alpha opacity", CTransform2D(15, 3, 0.5, 1, 1, 90), true,                   \
     [](CMemorySurface& d, const CMemorySurface& s) {                                            \
         MIRL_QUARTER_TURN(BlitRotated##mode##AlphaOpacity, 127, &kClip);                       \
     }}

struct ModeCases {
    DrawImage draw;
    std::vector<Expectation> cases;
};

TEST(DrawImage, EachModeDrawsThroughTheBlitItChooses) {
    const ModeCases modes[] = {
        {&DrawImageNormal, {MIRL_EXPECTATIONS(Normal)}},
        {&DrawImageAdd, {MIRL_EXPECTATIONS(Add)}},
        {&DrawImageSub, {MIRL_EXPECTATIONS(Sub)}},
        {&DrawImageMultiply, {MIRL_EXPECTATIONS(Multiply)}},
        {&DrawImageScreen, {MIRL_EXPECTATIONS(Screen)}},
        {&DrawImageOverlay, {MIRL_EXPECTATIONS(Overlay)}},
    };
    CMemorySurface src;
    FillPattern(src, 8, 7, 0x00C0A070);
    for (const SimdSwitches& switches : {kPlainSwitches, kSseSwitches}) {
        CScopedSimdSwitches scoped(switches);
        for (const ModeCases& mode : modes) {
            for (const Expectation& e : mode.cases) {
                SCOPED_TRACE(std::string(e.what) + ", " + switches.name);
                CMemorySurface actual, expected, before;
                FillPattern(actual, 24, 20, 0x00336699);
                FillPattern(expected, 24, 20, 0x00336699);
                FillPattern(before, 24, 20, 0x00336699);
                mode.draw(actual, src, e.placement, e.useSourceAlpha, &kSourceRect, &kClip);
                e.direct(expected, src);
                EXPECT_NE(PixelsOf(expected), PixelsOf(before));
                EXPECT_EQ(PixelsOf(actual), PixelsOf(expected));
            }
        }
    }
}

TEST(DrawImage, InvisiblePlacementsDrawNothing) {
    CMemorySurface src;
    FillPattern(src, 8, 7, 0x00C0A070);
    const CTransform2D placements[] = {
        CTransform2D(2, 2, 0.003, 1, 1, 0), CTransform2D(2, 2, 0.003, 1, 1, 30),
        CTransform2D(2, 2, 1, 0.001, 1, 0), CTransform2D(2, 2, 1, 1, 0.0005, 45),
        CTransform2D(2, 2, 0.001, 2, 2, 0),
    };
    for (const CTransform2D& placement : placements) {
        CMemorySurface dest, before;
        FillPattern(dest, 24, 20, 0x00336699);
        FillPattern(before, 24, 20, 0x00336699);
        DrawImageNormal(dest, src, placement, true, nullptr, nullptr);
        DrawImageAdd(dest, src, placement, false, nullptr, nullptr);
        EXPECT_EQ(PixelsOf(dest), PixelsOf(before));
    }
}

}  // namespace
