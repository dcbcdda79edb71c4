// What every routine shares: the level range, level 0 in one piece, calls
// that draw nothing, and the blit or fill each code names.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "graphics/draw_codes.h"
#include "graphics/fill_codes.h"
#include "surface_contents.h"
#include "transition_harness.h"
#include "transitions/linear_wipes.h"
#include "transitions/piece_drawer.h"
#include "transitions/transition_kinds.h"
#include "wipe_kinds.h"

namespace {

constexpr int kWidth = 48;
constexpr int kHeight = 40;

class TransitionFrame : public testing::TestWithParam<NamedRoutine> {
protected:
    TransitionFrame() : picture_(MakeCodedPicture(kWidth, kHeight)) {}

    // Runs the routine onto a fresh sentinel destination.
    std::unique_ptr<CMemorySurface> Run(const CMemorySurface* picture, const TransitionSize* size,
                                        int level, int code, uint32_t extra) {
        auto destination = MakeDestination(kWidth, kHeight, kSentinel);
        ResetTransitionPartCount();
        RunAtPicturePlace(GetParam().routine, *destination, picture, size, nullptr, level, code,
                          extra);
        return destination;
    }

    bool IsTensile() const { return GetParam().name.rfind("Tensile", 0) == 0; }

    std::unique_ptr<CMemorySurface> picture_;
    const std::vector<Color32> untouched_ = ExpectedColouredImage(CCoverage(kWidth, kHeight), 0);
};

class WholeAtLevel0 : public TransitionFrame {};
class BlankAt255 : public TransitionFrame {};
class WithoutRandomNumbers : public TransitionFrame {};

TEST_P(WholeAtLevel0, LevelZeroDrawsTheWholePictureInOnePiece) {
    CCoverage whole(kWidth, kHeight);
    whole.Mark(0, 0, kWidth, kHeight);
    auto drawn = Run(picture_.get(), nullptr, 0, 100, 0);
    EXPECT_TRUE(SameImage(*drawn, ExpectedCodedImage(whole)));
    EXPECT_EQ(TransitionPartCount(), 1);

    const TransitionSize size = {kWidth, kHeight};
    auto filled = Run(nullptr, &size, 0, 1100, 0xFF123456);
    EXPECT_TRUE(SameImage(*filled, ExpectedColouredImage(whole, 0xFF123456)));
    EXPECT_EQ(TransitionPartCount(), 1);
}

TEST_P(WholeAtLevel0, LevelsOutside0To255DrawNothing) {
    const TransitionSize size = {kWidth, kHeight};
    for (int level : {-1, 256, 1000, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(SameImage(*Run(picture_.get(), nullptr, level, 100, 0), untouched_)) << level;
        EXPECT_TRUE(SameImage(*Run(nullptr, &size, level, 1100, 0xFF123456), untouched_)) << level;
        EXPECT_EQ(TransitionPartCount(), 0) << level;
    }
}

TEST_P(BlankAt255, LevelsFrom255OnAndBelow0DrawNothing) {
    const TransitionSize size = {kWidth, kHeight};
    for (int level : {255, -1, 256, 1000, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(SameImage(*Run(picture_.get(), nullptr, level, 100, 0), untouched_)) << level;
        EXPECT_TRUE(SameImage(*Run(nullptr, &size, level, 1100, 0xFF123456), untouched_)) << level;
        EXPECT_EQ(TransitionPartCount(), 0) << level;
    }
}

TEST_P(TransitionFrame, CallsWithoutAnythingToDrawDrawNothing) {
    const TransitionSize size = {kWidth, kHeight};
    const CMemorySurface empty;
    const TransitionSize noArea[] = {{0, kHeight}, {kWidth, 0}, {-5, kHeight}};
    for (int level : {0, 1, 128, 254}) {
        EXPECT_TRUE(SameImage(*Run(nullptr, nullptr, level, 100, 0), untouched_)) << level;
        EXPECT_TRUE(SameImage(*Run(nullptr, nullptr, level, 1100, 0xFF123456), untouched_))
            << level;
        EXPECT_TRUE(SameImage(*Run(&empty, nullptr, level, 100, 0), untouched_)) << level;
        for (const TransitionSize& s : noArea) {
            // Tensile fills the band out to the destination's border even
            // then (tensile_wave_test).
            if (IsTensile() && s.width >= 0) continue;
            EXPECT_TRUE(SameImage(*Run(nullptr, &s, level, 1100, 0xFF123456), untouched_)) << level;
        }
        // A draw code needs a picture.
        EXPECT_TRUE(SameImage(*Run(nullptr, &size, level, 100, 0), untouched_)) << level;
        for (int code : {104, 700, 1102, 0, 99, 1700})
            EXPECT_TRUE(
                SameImage(*Run(picture_.get(), nullptr, level, code, 0xFF123456), untouched_))
                << level << " " << code;
        EXPECT_EQ(TransitionPartCount(), 0) << level;
    }
    // Without a destination there is nothing to draw into.
    GetParam().routine(nullptr, picture_.get(), 0, 0, nullptr, nullptr, 0, 100, 0);
}

TEST_P(WithoutRandomNumbers, LeavesTheRandomGeneratorAlone) {
    for (int level : {0, 1, 64, 128, 200, 254}) {
        srand(77);
        const int expected = rand();
        srand(77);
        Run(picture_.get(), nullptr, level, 100, 0);
        EXPECT_EQ(rand(), expected) << level;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, TransitionFrame, testing::ValuesIn(AllTransitionKinds()),
                         KindName());
INSTANTIATE_TEST_SUITE_P(EveryKind, WholeAtLevel0, testing::ValuesIn(KindsWholeAtLevel0()),
                         KindName());
INSTANTIATE_TEST_SUITE_P(EveryKind, BlankAt255, testing::ValuesIn(KindsBlankAt255()), KindName());
INSTANTIATE_TEST_SUITE_P(EveryKind, WithoutRandomNumbers,
                         testing::ValuesIn(KindsWithoutRandomNumbers()), KindName());

// The drawer hands each part to the blit the draw code names, with the
// opacity in `extra`, or to the fill the fill code names with the colour.
TEST(PieceDrawer, EveryCodeDrawsThePartWithItsBlitOrFill) {
    auto picture = MakeCodedPicture(kWidth, kHeight);
    const RECT part = {0, 0, kWidth, kHeight - kHeight * 100 / 255};
    for (int mode = 1; mode <= 6; ++mode) {
        for (int variant = 0; variant <= 3; ++variant) {
            const int code = mode * 100 + variant;
            auto viaRoutine = MakeDestination(kWidth, kHeight, 0x80604020);
            RunAtPicturePlace(&LinearUp, *viaRoutine, picture.get(), nullptr, nullptr, 100, code,
                              77);
            auto direct = MakeDestination(kWidth, kHeight, 0x80604020);
            DrawByCode(code, *direct, kPictureX, kPictureY, *picture, &part, 77, nullptr);
            EXPECT_EQ(PixelsOf(*viaRoutine), PixelsOf(*direct)) << code;
        }
        for (int weighted = 0; weighted <= 1; ++weighted) {
            const int code = 1000 + mode * 100 + weighted;
            const TransitionSize size = {kWidth, kHeight};
            auto viaRoutine = MakeDestination(kWidth, kHeight, 0x80604020);
            RunAtPicturePlace(&LinearUp, *viaRoutine, nullptr, &size, nullptr, 100, code,
                              0x9050A0F0);
            auto direct = MakeDestination(kWidth, kHeight, 0x80604020);
            FindFillRoutine(code)(*direct, kPictureX, kPictureY, kPictureX + part.right,
                                  kPictureY + part.bottom, 0x9050A0F0, nullptr);
            EXPECT_EQ(PixelsOf(*viaRoutine), PixelsOf(*direct)) << code;
        }
    }
}

TEST(PieceDrawer, AnOpacityAbove255DrawsAsFullOpacity) {
    auto picture = MakeCodedPicture(kWidth, kHeight);
    const RECT part = {0, 0, kWidth, kHeight - kHeight * 100 / 255};
    for (int code : {102, 203, 602}) {
        auto viaRoutine = MakeDestination(kWidth, kHeight, 0x80604020);
        RunAtPicturePlace(&LinearUp, *viaRoutine, picture.get(), nullptr, nullptr, 100, code,
                          0x100);
        auto direct = MakeDestination(kWidth, kHeight, 0x80604020);
        DrawByCode(code, *direct, kPictureX, kPictureY, *picture, &part, 255, nullptr);
        EXPECT_EQ(PixelsOf(*viaRoutine), PixelsOf(*direct)) << code;
    }
}

// The scaled form stretches the part with the scaled blit of the draw code,
// or fills the rectangle of doubles truncated toward zero.
TEST(PieceDrawer, TheScaledFormUsesTheScaledBlitOfTheCodeOrTheTruncatedFill) {
    auto picture = MakeCodedPicture(kWidth, kHeight);
    const RECT part = {3, 4, 9, 7};
    const double rect[4] = {kPictureX - 0.5, kPictureY + 1.7, kPictureX + 30.9, kPictureY + 21.2};
    const RECT clip = {kPictureX + 2, kPictureY, kPictureX + 40, kPictureY + 30};
    for (int mode = 1; mode <= 6; ++mode) {
        for (int variant = 0; variant <= 3; ++variant) {
            const int code = mode * 100 + variant;
            auto viaDrawer = MakeDestination(kWidth, kHeight, 0x80604020);
            CPieceDrawer(*viaDrawer, picture.get(), kPictureX, kPictureY, &clip, code, 77)
                .DrawScaled(part, rect[0], rect[1], rect[2], rect[3]);
            auto direct = MakeDestination(kWidth, kHeight, 0x80604020);
            const ScaledDrawRoutine routine = FindScaledDrawRoutine(code);
            if (routine.unweighted) routine.unweighted(*direct, *picture, &part, rect, &clip);
            if (routine.weighted) routine.weighted(*direct, *picture, &part, rect, 77, &clip);
            EXPECT_EQ(PixelsOf(*viaDrawer), PixelsOf(*direct)) << code;
        }
        for (int weighted = 0; weighted <= 1; ++weighted) {
            const int code = 1000 + mode * 100 + weighted;
            auto viaDrawer = MakeDestination(kWidth, kHeight, 0x80604020);
            CPieceDrawer(*viaDrawer, nullptr, 0, 0, nullptr, code, 0x9050A0F0)
                .DrawScaled(part, -0.5, 1.7, 10.9, 3.2);
            auto direct = MakeDestination(kWidth, kHeight, 0x80604020);
            FindFillRoutine(code)(*direct, 0, 1, 10, 3, 0x9050A0F0, nullptr);
            EXPECT_EQ(PixelsOf(*viaDrawer), PixelsOf(*direct)) << code;
        }
    }
    // Codes that name neither draw nothing and are not counted.
    for (int code : {104, 700, 1102, 0}) {
        auto destination = MakeDestination(kWidth, kHeight, kSentinel);
        ResetTransitionPartCount();
        CPieceDrawer(*destination, picture.get(), 0, 0, nullptr, code, 0xFF123456)
            .DrawScaled(part, 0, 0, 20, 20);
        EXPECT_EQ(TransitionPartCount(), 0) << code;
        EXPECT_EQ(PixelsOf(*destination), PixelsOf(*MakeDestination(kWidth, kHeight, kSentinel)));
    }
}

TEST(PieceDrawer, CountsOnlyThePartsItHandsOn) {
    auto picture = MakeCodedPicture(32, 32);
    auto destination = MakeDestination(32, 32, kSentinel);
    ResetTransitionPartCount();
    // BlindLeft at level 100 keeps 9 of each slat's 16 columns.
    RunAtPicturePlace(LookupTransitionRoutine("BlindLeft"), *destination, picture.get(), nullptr,
                      nullptr, 100, 100, 0);
    EXPECT_EQ(TransitionPartCount(), 18);
    // Parts without area are not handed on: the runs of BlindSlant at level
    // 240 and above have none.
    ResetTransitionPartCount();
    RunAtPicturePlace(LookupTransitionRoutine("BlindSlant"), *destination, picture.get(), nullptr,
                      nullptr, 240, 100, 0);
    EXPECT_EQ(TransitionPartCount(), 0);
}

}  // namespace
