// What every kind of the moving and random families shares: cell by cell
// from one seed gives the unclipped image, and no pixel is drawn twice.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/rectangle_fill.h"
#include "simd_switches.h"
#include "transition_harness.h"
#include "transition_stage.h"
#include "transitions/transition_kinds.h"
#include "wipe_kinds.h"

namespace {

// The kinds whose cells agree with the whole picture (DitherRandom and the
// Scratch kinds take their numbers per cell).
std::vector<NamedRoutine> CellIndependentKinds() {
    std::vector<NamedRoutine> kinds;
    for (const NamedRoutine& kind : AllTransitionKinds()) {
        const std::string& n = kind.name;
        if (n.rfind("Scratch", 0) == 0 || n == "DitherRandom") continue;
        for (const char* family : {"Shave", "Dither", "Tile", "Turn", "Shake", "Fat", "Slim",
                                   "Tensile", "Wave", "Mosaic"})
            if (n.rfind(family, 0) == 0) kinds.push_back(kind);
    }
    return kinds;
}

class MovingKind : public testing::TestWithParam<NamedRoutine> {};

TEST_P(MovingKind, SixtyFourCellsFromOneSeedGiveTheUnclippedImage) {
    auto picture = MakeCodedPicture(400, 300);
    for (int level : {1, 64, 128, 200, 254, 255}) {
        srand(1234);
        auto whole = RunOnStage(GetParam().routine, *picture, nullptr, level);
        auto cells = MakeStage();
        for (int row = 0; row < 8; ++row)
            for (int column = 0; column < 8; ++column) {
                const RECT cell = {kStageWidth * column / 8, kStageHeight * row / 8,
                                   kStageWidth * (column + 1) / 8, kStageHeight * (row + 1) / 8};
                srand(1234);
                DrawOnStage(GetParam().routine, *cells, *picture, &cell, level);
            }
        EXPECT_TRUE(SameStage(*cells, *whole)) << "level " << level;
    }
}

TEST_P(MovingKind, NoPixelIsDrawnTwice) {
    for (int level : {0, 1, 64, 128, 200, 254, 255}) {
        const std::vector<int> counts = CountStageDraws(GetParam().routine, 400, 300, level, 55);
        int twice = 0;
        for (int c : counts) twice += c > 1;
        EXPECT_EQ(twice, 0) << "level " << level;
    }
}

// The kinds of these families, DitherRandom and Scratch included.
std::vector<NamedRoutine> NewFamilyKinds() {
    std::vector<NamedRoutine> kinds;
    for (const NamedRoutine& kind : AllTransitionKinds())
        if (kind.name.rfind("Scratch", 0) == 0 || kind.name == "DitherRandom")
            kinds.push_back(kind);
    for (const NamedRoutine& kind : CellIndependentKinds()) kinds.push_back(kind);
    return kinds;
}

class NewFamilyKind : public testing::TestWithParam<NamedRoutine> {};

// FillNormalAlpha of a colour covers what the picture covers, from the same
// seed, each pixel the colour blended over the sentinel once.
TEST_P(NewFamilyKind, AnAlphaFillCoversWhatThePictureCovers) {
    const CScopedSimdSwitches plain(kPlainSwitches);
    const Color32 colour = 0x80FF4020;
    auto pixel = MakeSurface(1, 1, kSentinel);
    FillNormalAlpha(*pixel, 0, 0, 1, 1, colour, nullptr);
    const Color32 blended = pixel->GetPixel(0, 0);
    // ScratchDown and ScratchRight draw their first solid line twice.
    FillNormalAlpha(*pixel, 0, 0, 1, 1, colour, nullptr);
    const bool drawsALineTwice =
        GetParam().name == "ScratchDown" || GetParam().name == "ScratchRight";
    const Color32 blendedTwice = drawsALineTwice ? pixel->GetPixel(0, 0) : blended;
    auto picture = MakeCodedPicture(200, 150);
    const TransitionSize size = {200, 150};
    for (int level : {0, 1, 64, 128, 200, 254, 255}) {
        srand(77);
        auto drawn = RunOnStage(GetParam().routine, *picture, nullptr, level);
        auto filled = MakeStage();
        srand(77);
        GetParam().routine(filled.get(), nullptr, kStageX, kStageY, &size, nullptr, level, 1101,
                           colour);
        int differing = 0;
        for (int n = 0; n < kStageWidth * kStageHeight; ++n) {
            const Color32 expected = drawn->GetPixels()[n] == kSentinel ? kSentinel : blended;
            const Color32 actual = filled->GetPixels()[n];
            differing += actual != expected && (expected == kSentinel || actual != blendedTwice);
        }
        EXPECT_EQ(differing, 0) << "level " << level;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, NewFamilyKind, testing::ValuesIn(NewFamilyKinds()), KindName());

INSTANTIATE_TEST_SUITE_P(EveryKind, MovingKind, testing::ValuesIn(CellIndependentKinds()),
                         KindName());

}  // namespace
