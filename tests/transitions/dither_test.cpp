// DitherHatch's ordered pattern and DitherRandom's per-pixel random threshold.
#include <gtest/gtest.h>

#include <cstdlib>

#include "transition_harness.h"
#include "transition_stage.h"
#include "transitions/dither_transitions.h"

namespace {

// Whether the coded pixel (i, j) is at its place on the stage.
bool Shown(const CMemorySurface& stage, int i, int j) {
    return stage.GetPixel(kStageX + i, kStageY + j) == CodedPixel(i, j);
}

TEST(DitherHatch, KeepsTheWorkedPixelsOfEachTile) {
    auto picture = MakeCodedPicture(800, 600);
    auto top = RunOnStage(&DitherHatch, *picture, nullptr, 254);
    auto low = RunOnStage(&DitherHatch, *picture, nullptr, 1);
    auto stageOf254 = MakeStage();
    auto stageOf1 = MakeStage();
    for (int j = 0; j < 600; ++j) {
        for (int i = 0; i < 800; ++i) {
            if (i % 16 == 10 && j % 16 == 5) PutCoded(*stageOf254, i, j, i, j);
            const bool dropped = (i % 16 == 0 && j % 16 == 0) || (i % 16 == 8 && j % 16 == 8);
            if (!dropped) PutCoded(*stageOf1, i, j, i, j);
        }
    }
    EXPECT_TRUE(SameStage(*top, *stageOf254));
    EXPECT_TRUE(SameStage(*low, *stageOf1));
}

// Each threshold 0..255 appears once in every 16 x 16 tile, so a tile keeps
// exactly 255 - L pixels, and a pixel gone at one level stays gone above it.
TEST(DitherHatch, EveryTileKeepsExactly255MinusLevelPixelsAndLosesThemInOrder) {
    auto picture = MakeCodedPicture(64, 48);
    std::unique_ptr<CMemorySurface> previous;
    for (int level = 1; level <= 254; ++level) {
        auto stage = RunOnStage(&DitherHatch, *picture, nullptr, level);
        for (int ty = 0; ty < 48; ty += 16) {
            for (int tx = 0; tx < 64; tx += 16) {
                int kept = 0;
                for (int j = ty; j < ty + 16; ++j)
                    for (int i = tx; i < tx + 16; ++i) kept += Shown(*stage, i, j);
                ASSERT_EQ(kept, 255 - level) << "level " << level << " tile " << tx << ", " << ty;
            }
        }
        if (previous) {
            for (int j = 0; j < 48; ++j)
                for (int i = 0; i < 64; ++i)
                    ASSERT_TRUE(!Shown(*stage, i, j) || Shown(*previous, i, j)) << i << ", " << j;
        }
        previous = std::move(stage);
    }
}

TEST(DitherHatch, TheMatrixHoldsEachValueOnce) {
    const int rows[4][4] = {{0, 8, 3, 11}, {12, 4, 15, 7}, {2, 10, 1, 9}, {14, 6, 13, 5}};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_EQ(DitherMatrix4x4[column + 4 * row], rows[row][column]);
}

// The random model: one rand() % 255 per pixel of the clip's part of the
// picture, row by row, kept above the level.
int DitherRandomModel(CMemorySurface& stage, const RECT& clipOnPicture, int level) {
    int calls = 0;
    for (int j = clipOnPicture.top; j < clipOnPicture.bottom; ++j) {
        for (int i = clipOnPicture.left; i < clipOnPicture.right; ++i) {
            ++calls;
            if (rand() % 255 > level) PutCoded(stage, i, j, i, j);
        }
    }
    return calls;
}

TEST(DitherRandom, DrawsThePixelsOfItsSeedOneCallPerVisitedPixel) {
    auto picture = MakeCodedPicture(800, 600);
    const unsigned seed = 4242;
    const RECT first = {100, 75, 200, 150};
    const RECT moved = {104, 79, 204, 154};
    std::unique_ptr<CMemorySurface> drawn[2];
    int n = 0;
    for (const RECT& cell : {first, moved}) {
        const RECT clip = OnStage(cell);
        srand(seed);
        drawn[n] = RunOnStage(&DitherRandom, *picture, &clip, 128);
        const int after = rand();
        auto expected = MakeStage();
        srand(seed);
        EXPECT_EQ(DitherRandomModel(*expected, cell, 128), 7500);
        EXPECT_EQ(after, rand()) << "the routine made another number of rand() calls";
        EXPECT_TRUE(SameStage(*drawn[n], *expected));
        ++n;
    }
    // The moved clip restarts the sequence elsewhere: the shared area differs.
    int differing = 0;
    for (int j = 79; j < 150; ++j)
        for (int i = 104; i < 200; ++i)
            differing += Shown(*drawn[0], i, j) != Shown(*drawn[1], i, j);
    EXPECT_GT(differing, 1000);
}

TEST(DitherRandom, AClipBesideThePictureTakesNoRandomNumber) {
    auto picture = MakeCodedPicture(800, 600);
    for (const RECT& cell :
         {RECT{-200, 0, -1, 600}, RECT{0, 600, 800, 700}, RECT{800, 0, 900, 600}}) {
        const RECT clip = OnStage(cell);
        srand(9);
        auto drawn = RunOnStage(&DitherRandom, *picture, &clip, 1);
        const int after = rand();
        srand(9);
        EXPECT_EQ(after, rand());
        EXPECT_TRUE(SameStage(*drawn, *MakeStage()));
    }
}

}  // namespace
