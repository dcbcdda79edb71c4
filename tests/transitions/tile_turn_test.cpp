// TileLeftTop's shrinking tiles; TurnH and TurnV's turned columns and rows.
#include <gtest/gtest.h>

#include <cmath>

#include "transition_harness.h"
#include "transition_stage.h"
#include "transitions/tile_turn_transitions.h"

namespace {

class TileAndTurn : public testing::Test {
protected:
    std::unique_ptr<CMemorySurface> picture_ = MakeCodedPicture(800, 600);
};

TEST_F(TileAndTurn, TilesKeepTheirTopLeftCorner) {
    // 800 x 600 is 12 x 9 whole tiles and edge tiles 32 wide and 24 high.
    for (const auto& [level, side] : {std::make_pair(1, 63), std::make_pair(128, 31),
                                      std::make_pair(252, 0), std::make_pair(254, 0)}) {
        auto expected = MakeStage();
        for (int j = 0; j < 600; ++j)
            for (int i = 0; i < 800; ++i)
                if (i % 64 < side && j % 64 < side) PutCoded(*expected, i, j, i, j);
        EXPECT_TRUE(SameStage(*RunOnStage(&TileLeftTop, *picture_, nullptr, level), *expected))
            << level;
    }
}

// The column (row) a turn shows at line i: trunc(half - (half - i) / cos),
// or -1 outside the picture.
int TurnSource(int i, int extent, int level) {
    volatile double c = std::cos(level * (2 * 3.14159265358979323846 / 255));
    const int half = extent / 2;
    volatile double s = half - (half - i) / c;
    if (s <= -1 || s >= extent) return -1;
    return int(s);
}

std::unique_ptr<CMemorySurface> TurnModel(int w, int h, int level, bool columns) {
    auto expected = MakeStage();
    for (int line = 0; line < (columns ? w : h); ++line) {
        const int s = TurnSource(line, columns ? w : h, level);
        if (s < 0) continue;
        if (columns) {
            PutCodedPart(*expected, RECT{s, 0, s + 1, h}, line, 0);
        } else {
            PutCodedPart(*expected, RECT{0, s, w, s + 1}, 0, line);
        }
    }
    return expected;
}

TEST_F(TileAndTurn, TurnHShowsTheWorkedColumns) {
    auto whole = MakeStage();
    PutCodedPart(*whole, RECT{0, 0, 800, 600}, 0, 0);
    EXPECT_TRUE(SameStage(*RunOnStage(&TurnH, *picture_, nullptr, 255), *whole));

    auto mirrored = RunOnStage(&TurnH, *picture_, nullptr, 128);
    EXPECT_EQ(ColumnSpan(*mirrored, 0), std::make_pair(1, 0));
    for (const auto& [i, s] :
         {std::make_pair(1, 799), std::make_pair(400, 400), std::make_pair(401, 398)})
        for (int j : {0, 300, 599}) EXPECT_TRUE(Shows(*mirrored, i, j, s, j)) << i;

    auto narrow = RunOnStage(&TurnH, *picture_, nullptr, 64);
    const int sources[] = {724, 562, 400, 237, 75};
    for (int i = 0; i < 800; ++i) {
        if (i >= 398 && i <= 402) {
            EXPECT_TRUE(Shows(*narrow, i, 10, sources[i - 398], 10)) << i;
        } else {
            EXPECT_EQ(ColumnSpan(*narrow, i), std::make_pair(1, 0)) << i;
        }
    }
}

TEST_F(TileAndTurn, TurnVShowsTheWorkedRows) {
    auto mirrored = RunOnStage(&TurnV, *picture_, nullptr, 128);
    EXPECT_EQ(RowSpan(*mirrored, 0), std::make_pair(1, 0));
    EXPECT_TRUE(Shows(*mirrored, 5, 1, 5, 599));
    auto narrow = RunOnStage(&TurnV, *picture_, nullptr, 64);
    const int sources[] = {462, 300, 137};
    for (int j = 0; j < 600; ++j) {
        if (j >= 299 && j <= 301) {
            EXPECT_TRUE(Shows(*narrow, 7, j, 7, sources[j - 299])) << j;
        } else {
            EXPECT_EQ(RowSpan(*narrow, j), std::make_pair(1, 0)) << j;
        }
    }
}

TEST_F(TileAndTurn, TurnsMatchTheirModelAtEveryLevel) {
    auto small = MakeCodedPicture(101, 61);
    for (int level = 1; level <= 255; level += 2) {
        EXPECT_TRUE(SameStage(*RunOnStage(&TurnH, *small, nullptr, level),
                              *TurnModel(101, 61, level, true)))
            << level;
        EXPECT_TRUE(SameStage(*RunOnStage(&TurnV, *small, nullptr, level),
                              *TurnModel(101, 61, level, false)))
            << level;
    }
}

}  // namespace
