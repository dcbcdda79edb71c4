// Mosaic's cells, each one source pixel stretched over the cell.
#include <gtest/gtest.h>

#include "transition_harness.h"
#include "transition_stage.h"
#include "transitions/mosaic_transition.h"
#include "transitions/piece_drawer.h"

namespace {

// Every cell of side L + 1 painted with its sample: its top-left pixel, but
// the middle of the first cell (the last pixel of a picture shorter than half
// a cell), all cut to the picture's place.
std::unique_ptr<CMemorySurface> MosaicModel(const CMemorySurface& picture, int level) {
    int w = 0, h = 0;
    picture.GetSize(w, h);
    auto expected = MakeStage();
    auto cells = MakeStage();
    const int n = level + 1;
    auto sample = [n](int cell, int extent) {
        return cell != 0 ? cell : extent <= n / 2 ? extent - 1 : n / 2;
    };
    for (int cy = 0; cy < h; cy += n)
        for (int cx = 0; cx < w; cx += n) {
            const int sx = sample(cx, w), sy = sample(cy, h);
            PutScaledPart(*cells, picture, RECT{sx, sy, sx + 1, sy + 1}, cx, cy, cx + n, cy + n);
        }
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            expected->GetPixels()[(kStageY + j) * kStageWidth + kStageX + i] =
                cells->GetPixel(kStageX + i, kStageY + j);
    return expected;
}

class Mosaics : public testing::Test {
protected:
    std::unique_ptr<CMemorySurface> picture_ = MakeCodedPicture(800, 600);
};

TEST_F(Mosaics, CellsShowTheirWorkedSamples) {
    auto level1 = RunOnStage(&Mosaic, *picture_, nullptr, 1);
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
            EXPECT_TRUE(Shows(*level1, i, j, 1, 1));
            EXPECT_TRUE(Shows(*level1, 2 + i, j, 2, 1));
        }
    EXPECT_TRUE(SameStage(*level1, *MosaicModel(*picture_, 1)));
    ResetTransitionPartCount();
    auto level255 = RunOnStage(&Mosaic, *picture_, nullptr, 255);
    EXPECT_EQ(TransitionPartCount(), 12);
    EXPECT_TRUE(Shows(*level255, 0, 0, 128, 128));
    EXPECT_TRUE(Shows(*level255, 255, 255, 128, 128));
    EXPECT_TRUE(Shows(*level255, 799, 599, 768, 512));
    EXPECT_TRUE(SameStage(*level255, *MosaicModel(*picture_, 255)));
    auto narrow = MakeCodedPicture(100, 600);
    auto narrowCells = RunOnStage(&Mosaic, *narrow, nullptr, 255);
    EXPECT_TRUE(Shows(*narrowCells, 0, 0, 99, 128));
    EXPECT_TRUE(SameStage(*narrowCells, *MosaicModel(*narrow, 255)));
}

TEST_F(Mosaics, EveryLevelMatchesTheModel) {
    auto odd = MakeCodedPicture(101, 61);
    for (int level : {1, 2, 7, 60, 64, 100, 128, 200, 254, 255}) {
        EXPECT_TRUE(
            SameStage(*RunOnStage(&Mosaic, *odd, nullptr, level), *MosaicModel(*odd, level)))
            << level;
    }
}

// Only the cells that meet the clip are handed on; a clip beside the picture
// hands on none.
TEST_F(Mosaics, AClipLimitsTheCellsVisited) {
    const RECT inside = OnStage(RECT{100, 75, 200, 150});
    ResetTransitionPartCount();
    auto clipped = RunOnStage(&Mosaic, *picture_, &inside, 1);
    EXPECT_EQ(TransitionPartCount(), 1900);
    auto whole = MosaicModel(*picture_, 1);
    auto expected = MakeStage();
    for (LONG y = inside.top; y < inside.bottom; ++y)
        for (LONG x = inside.left; x < inside.right; ++x)
            expected->GetPixels()[y * kStageWidth + x] = whole->GetPixel(x, y);
    EXPECT_TRUE(SameStage(*clipped, *expected));
    for (const RECT& beside : {RECT{-300, 0, 0, 600}, RECT{800, 0, 1000, 600},
                               RECT{0, 600, 800, 700}, RECT{0, -200, 800, 0}}) {
        const RECT clip = OnStage(beside);
        ResetTransitionPartCount();
        EXPECT_TRUE(SameStage(*RunOnStage(&Mosaic, *picture_, &clip, 1), *MakeStage()));
        EXPECT_EQ(TransitionPartCount(), 0);
    }
}

}  // namespace
