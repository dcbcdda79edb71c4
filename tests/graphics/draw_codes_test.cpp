#include "graphics/draw_codes.h"

#include <gtest/gtest.h>

#include "graphics/blend_blits.h"
#include "graphics/blend_mode.h"
#include "graphics/draw_image.h"
#include "graphics/fill_codes.h"
#include "graphics/rectangle_fill.h"
#include "surface_contents.h"

namespace {

TEST(DrawCode, EveryCodeNamesItsBlitAndOthersNone) {
    const struct {
        int code;
        UnweightedBlit unweighted;
        WeightedBlit weighted;
    } table[] = {
        {100, &BlitNormal, nullptr},   {101, &BlitNormalAlpha, nullptr},
        {102, nullptr, &BlitNormalOpacity},   {103, nullptr, &BlitNormalAlphaOpacity},
        {200, &BlitAdd, nullptr},      {201, &BlitAddAlpha, nullptr},
        {202, nullptr, &BlitAddOpacity},      {203, nullptr, &BlitAddAlphaOpacity},
        {300, &BlitSub, nullptr},      {301, &BlitSubAlpha, nullptr},
        {302, nullptr, &BlitSubOpacity},      {303, nullptr, &BlitSubAlphaOpacity},
        {400, &BlitMultiply, nullptr}, {401, &BlitMultiplyAlpha, nullptr},
        {402, nullptr, &BlitMultiplyOpacity}, {403, nullptr, &BlitMultiplyAlphaOpacity},
        {500, &BlitScreen, nullptr},   {501, &BlitScreenAlpha, nullptr},
        {502, nullptr, &BlitScreenOpacity},   {503, nullptr, &BlitScreenAlphaOpacity},
        {600, &BlitOverlay, nullptr},  {601, &BlitOverlayAlpha, nullptr},
        {602, nullptr, &BlitOverlayOpacity},  {603, nullptr, &BlitOverlayAlphaOpacity},
    };
    for (const auto& row : table) {
        const DrawRoutine routine = FindDrawRoutine(row.code);
        EXPECT_EQ(routine.unweighted, row.unweighted) << row.code;
        EXPECT_EQ(routine.weighted, row.weighted) << row.code;
    }
    for (int code : {0, 1, 99, 104, 110, 199, 700, 1100, 1102, -100}) {
        const DrawRoutine routine = FindDrawRoutine(code);
        EXPECT_EQ(routine.unweighted, nullptr) << code;
        EXPECT_EQ(routine.weighted, nullptr) << code;
    }
}

TEST(DrawCode, EveryCodeNamesItsScaledBlitAndOthersNone) {
    const struct {
        int code;
        ScaledBlit unweighted;
        ScaledWeightedBlit weighted;
    } table[] = {
        {100, &BlitScaledNormal, nullptr},
        {101, &BlitScaledNormalAlpha, nullptr},
        {102, nullptr, &BlitScaledNormalOpacity},
        {103, nullptr, &BlitScaledNormalAlphaOpacity},
        {200, &BlitScaledAdd, nullptr},
        {201, &BlitScaledAddAlpha, nullptr},
        {202, nullptr, &BlitScaledAddOpacity},
        {203, nullptr, &BlitScaledAddAlphaOpacity},
        {300, &BlitScaledSub, nullptr},
        {301, &BlitScaledSubAlpha, nullptr},
        {302, nullptr, &BlitScaledSubOpacity},
        {303, nullptr, &BlitScaledSubAlphaOpacity},
        {400, &BlitScaledMultiply, nullptr},
        {401, &BlitScaledMultiplyAlpha, nullptr},
        {402, nullptr, &BlitScaledMultiplyOpacity},
        {403, nullptr, &BlitScaledMultiplyAlphaOpacity},
        {500, &BlitScaledScreen, nullptr},
        {501, &BlitScaledScreenAlpha, nullptr},
        {502, nullptr, &BlitScaledScreenOpacity},
        {503, nullptr, &BlitScaledScreenAlphaOpacity},
        {600, &BlitScaledOverlay, nullptr},
        {601, &BlitScaledOverlayAlpha, nullptr},
        {602, nullptr, &BlitScaledOverlayOpacity},
        {603, nullptr, &BlitScaledOverlayAlphaOpacity},
    };
    for (const auto& row : table) {
        const ScaledDrawRoutine routine = FindScaledDrawRoutine(row.code);
        EXPECT_EQ(routine.unweighted, row.unweighted) << row.code;
        EXPECT_EQ(routine.weighted, row.weighted) << row.code;
    }
    for (int code = -1; code <= 1700; ++code) {
        if (code % 100 <= 3 && code >= 100 && code <= 603) continue;
        const ScaledDrawRoutine routine = FindScaledDrawRoutine(code);
        EXPECT_EQ(routine.unweighted, nullptr) << code;
        EXPECT_EQ(routine.weighted, nullptr) << code;
    }
}

TEST(DrawCode, DrawByCodeRunsTheNamedBlitWithItsOpacityAndNothingForOtherCodes) {
    CMemorySurface src;
    ASSERT_EQ(src.Create(3, 2), 0);
    src.Fill(0x80406080, nullptr);
    const RECT clip = {1, 0, 5, 4};
    for (int code : {100, 103, 302, 104, 1102}) {
        SCOPED_TRACE(code);
        CMemorySurface actual, expected;
        ASSERT_EQ(actual.Create(6, 4), 0);
        ASSERT_EQ(expected.Create(6, 4), 0);
        actual.Fill(0x11223344, nullptr);
        expected.Fill(0x11223344, nullptr);
        DrawByCode(code, actual, 0, 1, src, nullptr, 90, &clip);
        if (code == 100) BlitNormal(expected, 0, 1, src, nullptr, &clip);
        if (code == 103) BlitNormalAlphaOpacity(expected, 0, 1, src, nullptr, 90, &clip);
        if (code == 302) BlitSubOpacity(expected, 0, 1, src, nullptr, 90, &clip);
        EXPECT_EQ(PixelsOf(actual), PixelsOf(expected));
    }
}

TEST(BlendMode, ModesNameTheirCodesAndTransformedDraws) {
    EXPECT_EQ(MakeDrawCode(kBlendNormal, kDrawOpaque), 100);
    EXPECT_EQ(MakeDrawCode(kBlendScreen, kDrawOpacity), 502);
    EXPECT_EQ(FindDrawRoutine(MakeDrawCode(kBlendSub, kDrawSourceAlphaOpacity)).weighted,
              &BlitSubAlphaOpacity);
    EXPECT_EQ(MakeFillCode(kBlendOverlay, true), 1601);
    EXPECT_EQ(FindFillRoutine(MakeFillCode(kBlendAdd, false)), &FillAdd);

    const struct {
        int mode;
        DrawImageFunction draw;
    } modes[] = {{kBlendNormal, DrawImageNormal},
                 {kBlendAdd, DrawImageAdd},
                 {kBlendSub, DrawImageSub},
                 {kBlendMultiply, DrawImageMultiply},
                 {kBlendScreen, DrawImageScreen},
                 {kBlendOverlay, DrawImageOverlay},
                 {0, nullptr},
                 {7, nullptr}};
    for (const auto& m : modes) EXPECT_EQ(DrawImageForMode(m.mode), m.draw) << m.mode;
}

}  // namespace
