// The Shave kinds against models that test every block in the same order of
// rand() calls and mark the blocks they keep.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "coverage.h"
#include "transition_harness.h"
#include "transition_stage.h"
#include "transitions/transition_kinds.h"

namespace {

// Marks the 4 x 2 block at (bx, by), cut to the picture.
void MarkBlock(CCoverage& c, int bx, int by) { c.Mark(bx, by, bx + 4, by + 2); }

int Band(int remaining, int extent, int weight) {
    volatile double v = double(remaining * 256 / extent) + 1.5 * weight - 256.0;
    return int(v);
}

// The kept blocks of the kind at level L, and how many rand() calls it takes.
struct ShaveResult {
    CCoverage kept;
    int calls;
};

ShaveResult ShaveModel(const std::string& kind, int w, int h, int L) {
    ShaveResult out{CCoverage(w, h), 0};
    auto draw = [&](int r, bool keep, int bx, int by) {
        (void)r;
        ++out.calls;
        if (keep) MarkBlock(out.kept, bx, by);
    };
    if (kind == "ShaveAll") {
        for (int by = 0; by < h; by += 2)
            for (int bx = 0; bx < w; bx += 4) {
                const int r = rand() & 255;
                draw(r, r > L, bx, by);
            }
    } else if (kind == "ShaveUp" || kind == "ShaveDown") {
        const int k = (h + 128) * L / 255;
        for (int by = 0; by <= h; by += 2) {
            if (kind == "ShaveUp") {
                const int v = Band(h - by, h, 255 - L);
                if (v >= 255) out.kept.Mark(0, by, w, by + 2);
                if (v <= 0 || v >= 255) continue;
                for (int bx = 0; bx <= w; bx += 4) {
                    const int r = rand() & 127;
                    draw(r, r <= v, bx, by);
                }
            } else {
                const int d = by - k;
                if (d >= 0) out.kept.Mark(0, by, w, by + 2);
                if (d >= 0 || d <= -128) continue;
                for (int bx = 0; bx <= w; bx += 4) {
                    const int r = rand() % 128;
                    draw(r, r < d + 128, bx, by);
                }
            }
        }
    } else if (kind == "ShaveLeft" || kind == "ShaveRight") {
        const bool left = kind == "ShaveLeft";
        for (int bx = 0; bx <= w; bx += 4) {
            const int v = Band(w - bx - 1, w, left ? 255 - L : L);
            if (left && v >= 127) out.kept.Mark(bx, 0, bx + 4, h);
            if (left ? (v <= 0 || v >= 127) : v >= 255) continue;
            for (int by = 0; by <= h; by += 2) {
                const int r = rand() & 127;
                draw(r, left ? r <= v : r > v, bx, by);
            }
        }
    } else {
        volatile double scale = std::hypot(double(w), double(h)) + 255.0;
        const int R = int(scale);
        const bool circle = kind == "ShaveCircle";
        const int Rl = (R * (circle ? 255 - L : L)) >> 8;
        for (int by = 0; by <= h; by += 2)
            for (int bx = 0; bx <= w; bx += 4) {
                const int r = rand() & 255;
                volatile double d = std::hypot(double(2 * bx - w), double(2 * by - h));
                const double margin = Rl - d;
                draw(r, circle ? r <= margin : r > margin, bx, by);
            }
    }
    return out;
}

const char* const kShaveKinds[] = {"ShaveAll",   "ShaveDown",   "ShaveUp",  "ShaveLeft",
                                   "ShaveRight", "ShaveCircle", "ShaveHole"};

void PutCoverage(CMemorySurface& stage, const CCoverage& c) {
    for (int j = 0; j < c.Height(); ++j)
        for (int i = 0; i < c.Width(); ++i)
            if (c.Covers(i, j)) PutCoded(stage, i, j, i, j);
}

// The routine after srand(seed) against the model after srand(seed), the
// next rand() of both compared so the number of calls agrees too.
ShaveResult CheckAgainstModel(const char* kind, const CMemorySurface& picture, int level,
                              unsigned seed, const RECT* clip = nullptr) {
    int w = 0, h = 0;
    picture.GetSize(w, h);
    srand(seed);
    auto drawn = RunOnStage(LookupTransitionRoutine(kind), picture, clip, level);
    const int after = rand();
    srand(seed);
    ShaveResult model = ShaveModel(kind, w, h, level);
    EXPECT_EQ(after, rand()) << kind << " level " << level << ": rand() calls differ";
    auto expected = MakeStage();
    PutCoverage(*expected, model.kept);
    if (clip) {
        auto whole = std::move(expected);
        expected = MakeStage();
        for (LONG y = clip->top; y < clip->bottom; ++y)
            for (LONG x = clip->left; x < clip->right; ++x)
                expected->GetPixels()[y * kStageWidth + x] = whole->GetPixel(x, y);
    }
    EXPECT_TRUE(SameStage(*drawn, *expected)) << kind << " level " << level;
    return model;
}

bool RowsWhole(const CCoverage& c, int first, int last) {
    for (int j = first; j <= last; ++j)
        for (int i = 0; i < c.Width(); ++i)
            if (!c.Covers(i, j)) return false;
    return true;
}
bool RowsEmpty(const CCoverage& c, int first, int last) {
    for (int j = first; j <= last; ++j)
        for (int i = 0; i < c.Width(); ++i)
            if (c.Covers(i, j)) return false;
    return true;
}
bool ColumnsWhole(const CCoverage& c, int first, int last) {
    for (int i = first; i <= last; ++i)
        for (int j = 0; j < c.Height(); ++j)
            if (!c.Covers(i, j)) return false;
    return true;
}
bool ColumnsEmpty(const CCoverage& c, int first, int last) {
    for (int i = first; i <= last; ++i)
        for (int j = 0; j < c.Height(); ++j)
            if (c.Covers(i, j)) return false;
    return true;
}

class ShaveKinds : public testing::Test {
protected:
    std::unique_ptr<CMemorySurface> picture_ = MakeCodedPicture(800, 600);
};

TEST_F(ShaveKinds, ShaveAllKeepsTheBlocksWhoseRandomByteIsAboveTheLevel) {
    srand(77);
    int top = 0;
    for (int n = 0; n < 60000; ++n) top += (rand() & 255) == 255;
    const ShaveResult high = CheckAgainstModel("ShaveAll", *picture_, 254, 77);
    EXPECT_EQ(high.calls, 60000);
    EXPECT_EQ(high.kept.Total(), top * 8);
    srand(77);
    int low = 0;
    for (int n = 0; n < 60000; ++n) low += (rand() & 255) <= 1;
    const ShaveResult level1 = CheckAgainstModel("ShaveAll", *picture_, 1, 77);
    EXPECT_EQ(level1.kept.Total(), (60000 - low) * 8);
}

TEST_F(ShaveKinds, TheSweepsHaveTheirWholeEmptyAndRaggedBands) {
    const ShaveResult up = CheckAgainstModel("ShaveUp", *picture_, 1, 5);
    EXPECT_EQ(up.calls, 153 * 201);
    EXPECT_TRUE(RowsWhole(up.kept, 0, 295));

    const ShaveResult down = CheckAgainstModel("ShaveDown", *picture_, 128, 6);
    EXPECT_EQ(down.calls, 64 * 201);
    EXPECT_TRUE(RowsWhole(down.kept, 366, 599));
    EXPECT_TRUE(RowsEmpty(down.kept, 0, 237));

    const ShaveResult left = CheckAgainstModel("ShaveLeft", *picture_, 128, 7);
    EXPECT_EQ(left.calls, 99 * 301);
    EXPECT_TRUE(ColumnsWhole(left.kept, 0, 195));
    EXPECT_TRUE(ColumnsEmpty(left.kept, 592, 799));
    EXPECT_FALSE(ColumnsWhole(left.kept, 196, 199));
    EXPECT_FALSE(ColumnsEmpty(left.kept, 588, 591));

    const ShaveResult right = CheckAgainstModel("ShaveRight", *picture_, 128, 8);
    EXPECT_EQ(right.calls, 201 * 301);
    EXPECT_TRUE(ColumnsEmpty(right.kept, 0, 203));
    EXPECT_TRUE(ColumnsWhole(right.kept, 600, 799));
}

TEST_F(ShaveKinds, TheDiscsCanLoseOnlyTheirWorkedBlocks) {
    // ShaveCircle at 1: Rl - d >= 245, so only the blocks where it is below
    // 255 can go: 28 tested blocks near the four corners (15 of them with
    // pixels). ShaveHole at 1: Rl = 4, so only the 3 blocks within 4 half
    // pixels of the centre can go.
    int circleCandidates = 0, withPixels = 0, holeCandidates = 0;
    for (int by = 0; by <= 600; by += 2)
        for (int bx = 0; bx <= 800; bx += 4) {
            const double d = std::hypot(2.0 * bx - 800, 2.0 * by - 600);
            if (1245 - d < 255) {
                ++circleCandidates;
                withPixels += bx < 800 && by < 600;
            }
            if (4 - d >= 0) ++holeCandidates;
        }
    EXPECT_EQ(circleCandidates, 28);
    EXPECT_EQ(withPixels, 15);
    EXPECT_EQ(holeCandidates, 3);
    for (unsigned seed : {1u, 2u, 3u}) {
        const ShaveResult circle = CheckAgainstModel("ShaveCircle", *picture_, 1, seed);
        EXPECT_EQ(circle.calls, 201 * 301);
        EXPECT_GE(circle.kept.Total(), 800 * 600 - 15 * 8);
        const ShaveResult hole = CheckAgainstModel("ShaveHole", *picture_, 1, seed);
        EXPECT_GE(hole.kept.Total(), 800 * 600 - 3 * 8);
    }
}

TEST_F(ShaveKinds, EveryKindMatchesItsModelAtManyLevelsAndSizes) {
    for (const char* kind : kShaveKinds) {
        for (const auto& size : {std::make_pair(800, 600), std::make_pair(101, 61),
                                 std::make_pair(3, 1), std::make_pair(257, 300)}) {
            auto picture = MakeCodedPicture(size.first, size.second);
            for (int level : {1, 2, 64, 100, 128, 191, 200, 253, 254})
                CheckAgainstModel(kind, *picture, level, 1000 + level);
        }
    }
}

TEST_F(ShaveKinds, ACellRedrawnFromTheSameSeedGivesTheUnclippedPattern) {
    for (const char* kind : kShaveKinds)
        for (const RECT cell :
             {RECT{100, 75, 275, 200}, RECT{-10, -10, 90, 50}, RECT{790, 590, 900, 700}}) {
            const RECT clip = OnStage(cell);
            CheckAgainstModel(kind, *picture_, 128, 31, &clip);
        }
}

TEST_F(ShaveKinds, NothingWithoutWidthOrHeightAndNoRandomNumberTaken) {
    for (const char* kind : kShaveKinds) {
        for (const TransitionSize size : {TransitionSize{0, 600}, TransitionSize{800, 0}}) {
            for (int level : {0, 1, 128, 254}) {
                auto stage = MakeStage();
                srand(3);
                LookupTransitionRoutine(kind)(stage.get(), nullptr, kStageX, kStageY, &size,
                                              nullptr, level, 1100, 0xFF102030);
                const int after = rand();
                srand(3);
                EXPECT_EQ(after, rand()) << kind;
                EXPECT_TRUE(SameStage(*stage, *MakeStage())) << kind;
            }
        }
    }
}

}  // namespace
