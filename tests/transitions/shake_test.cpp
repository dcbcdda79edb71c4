// The Shake kinds against models that draw the same random offsets.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "transition_harness.h"
#include "transition_stage.h"
#include "transitions/shake_transitions.h"

namespace {

struct ShakeResult {
    std::unique_ptr<CMemorySurface> expected = MakeStage();
    int calls = 0;
    std::set<int> offsets;  // of the lines, or dx and dy of the cells
};

ShakeResult LineModel(int w, int h, int level, bool rows) {
    ShakeResult out;
    const int n = level * 64 / 255 + 1;
    for (int line = 0; line < (rows ? h : w); ++line) {
        const int off = rand() % n - n / 2;
        ++out.calls;
        out.offsets.insert(off);
        if (rows) {
            PutCodedPart(*out.expected, RECT{0, line, w, line + 1}, off, line);
        } else {
            PutCodedPart(*out.expected, RECT{line, 0, line + 1, h}, line, off);
        }
    }
    return out;
}

// dx and dy of every 4 x 4 cell; `crossing` counts last-column cells whose dx
// fell back to 0 while their dy stayed.
ShakeResult CellModel(int w, int h, int level, int* crossing = nullptr) {
    ShakeResult out;
    const int m = level * 15 / 255;
    for (int cy = 0; cy < h; cy += 4) {
        for (int cx = 0; cx < w; cx += 4) {
            const int cw = std::min(4, w - cx), ch = std::min(4, h - cy);
            int dx = rand() % (m + 1);
            int dy = rand() % (m + 1);
            out.calls += 2;
            if (cx + dx + cw > w) {
                dx = 0;
                if (crossing && dy != 0 && cy + dy + ch <= h) ++*crossing;
            }
            if (cy + dy + ch > h) dy = 0;
            out.offsets.insert(dx);
            out.offsets.insert(dy);
            PutCodedPart(*out.expected, RECT{cx + dx, cy + dy, cx + dx + cw, cy + dy + ch}, cx, cy);
        }
    }
    return out;
}

// The routine after srand(seed) against the model after srand(seed), the
// next numbers of both compared.
template <class Model>
ShakeResult Check(TransitionRoutine routine, const CMemorySurface& picture, int level,
                  unsigned seed, Model model) {
    srand(seed);
    auto drawn = RunOnStage(routine, picture, nullptr, level);
    const int after = rand();
    srand(seed);
    ShakeResult result = model();
    EXPECT_EQ(after, rand()) << "level " << level << ": rand() calls differ";
    EXPECT_TRUE(SameStage(*drawn, *result.expected)) << "level " << level;
    return result;
}

class Shakes : public testing::Test {
protected:
    std::unique_ptr<CMemorySurface> picture_ = MakeCodedPicture(800, 600);
};

TEST_F(Shakes, LinesMoveByTheirWorkedRanges) {
    for (int level : {1, 2, 3}) {
        const ShakeResult r = Check(&ShakeHLine, *picture_, level, 11,
                                    [&] { return LineModel(800, 600, level, true); });
        EXPECT_EQ(r.calls, 600);
        EXPECT_EQ(r.offsets, std::set<int>({0}));
    }
    const ShakeResult four =
        Check(&ShakeHLine, *picture_, 4, 12, [] { return LineModel(800, 600, 4, true); });
    EXPECT_EQ(four.offsets, std::set<int>({-1, 0}));
    const ShakeResult top =
        Check(&ShakeHLine, *picture_, 255, 13, [] { return LineModel(800, 600, 255, true); });
    EXPECT_EQ(*top.offsets.begin(), -32);
    EXPECT_EQ(*top.offsets.rbegin(), 32);
    const ShakeResult columns =
        Check(&ShakeVLine, *picture_, 255, 14, [] { return LineModel(800, 600, 255, false); });
    EXPECT_EQ(columns.calls, 800);
}

TEST_F(Shakes, CellsComeFromDisplacedSourceCells) {
    const ShakeResult still =
        Check(&ShakeRect, *picture_, 16, 21, [] { return CellModel(800, 600, 16); });
    EXPECT_EQ(still.calls, 60000);
    EXPECT_EQ(still.offsets, std::set<int>({0}));
    int crossing = 0;
    const ShakeResult top =
        Check(&ShakeRect, *picture_, 255, 22, [&] { return CellModel(800, 600, 255, &crossing); });
    EXPECT_EQ(*top.offsets.rbegin(), 15);
    EXPECT_GT(crossing, 0);
}

TEST_F(Shakes, OddSizesAndLevels) {
    auto odd = MakeCodedPicture(101, 61);
    for (int level : {1, 4, 17, 100, 128, 254, 255}) {
        Check(&ShakeHLine, *odd, level, 40 + level,
              [&] { return LineModel(101, 61, level, true); });
        Check(&ShakeVLine, *odd, level, 41 + level,
              [&] { return LineModel(101, 61, level, false); });
        Check(&ShakeRect, *odd, level, 42 + level, [&] { return CellModel(101, 61, level); });
    }
}

}  // namespace
