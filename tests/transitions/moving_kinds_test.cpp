// What every kind of the moving and random families shares: cell by cell
// from one seed gives the unclipped image, and no pixel is drawn twice.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

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

INSTANTIATE_TEST_SUITE_P(EveryKind, MovingKind, testing::ValuesIn(CellIndependentKinds()),
                         KindName());

}  // namespace
