// The Scratch kinds against a model that tears the same fringe lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "transition_harness.h"
#include "transition_stage.h"
#include "transitions/transition_kinds.h"

namespace {

struct ScratchResult {
    std::unique_ptr<CMemorySurface> expected = MakeStage();
    int calls = 0;
    int solidFirst = 0;  // the solid lines [solidFirst, solidEnd)
    int solidEnd = 0;
    std::vector<int> fringe;  // the fringe lines drawn, in order
};

// `clip` in picture coordinates, or null.
ScratchResult ScratchModel(const std::string& kind, int w, int h, int L, const RECT* clip) {
    ScratchResult out;
    const bool rows = kind == "ScratchUp" || kind == "ScratchDown";
    const bool atEnd = kind == "ScratchDown" || kind == "ScratchRight";
    const int lines = rows ? h : w;
    const int b = atEnd ? ((lines + 64) * L) >> 8 : (((lines + 64) * (255 - L)) >> 8) - 64;
    out.solidFirst = atEnd ? std::max(b + 1, 0) : 0;
    out.solidEnd = atEnd ? lines : std::max(std::min(b, lines), 0);
    for (int n = out.solidFirst; n < out.solidEnd; ++n) {
        if (rows) {
            PutCodedPart(*out.expected, RECT{0, n, w, n + 1}, 0, n);
        } else {
            PutCodedPart(*out.expected, RECT{n, 0, n + 1, h}, n, 0);
        }
    }
    int first = 0, end = lines;
    if (clip) {
        first = std::clamp<int>(rows ? clip->top : clip->left, 0, lines);
        end = std::clamp<int>(rows ? clip->bottom : clip->right, 0, lines);
    }
    const int scale = kind == "ScratchRight" ? h : w;
    for (int k = 0; k < 64; ++k) {
        const int line = atEnd ? b + 1 - k : b + k;
        if (line < first || line >= end) continue;
        const int q = rand() % 64;
        ++out.calls;
        int off = 0;
        if (q < k) {
            const int sign = rand() % 2 ? -1 : 1;
            const int t = rand() % 10;
            out.calls += 2;
            off = ((sign * t * scale / 10) / (64 - k)) / 4;
        }
        out.fringe.push_back(line);
        if (rows) {
            PutCodedPart(*out.expected, RECT{0, line, w, line + 1}, off, line);
        } else {
            PutCodedPart(*out.expected, RECT{line, 0, line + 1, h}, line, off);
        }
    }
    return out;
}

const char* const kScratchKinds[] = {"ScratchDown", "ScratchUp", "ScratchLeft", "ScratchRight"};

// The routine after srand(seed) against the model; with a clip (picture
// coordinates) only the clip's part of the model's image is expected.
ScratchResult Check(const char* kind, const CMemorySurface& picture, int level, unsigned seed,
                    const RECT* clip = nullptr) {
    int w = 0, h = 0;
    picture.GetSize(w, h);
    const RECT stageClip = clip ? OnStage(*clip) : RECT{};
    srand(seed);
    auto drawn =
        RunOnStage(LookupTransitionRoutine(kind), picture, clip ? &stageClip : nullptr, level);
    const int after = rand();
    srand(seed);
    ScratchResult model = ScratchModel(kind, w, h, level, clip);
    EXPECT_EQ(after, rand()) << kind << " level " << level << ": rand() calls differ";
    if (clip) {
        auto whole = std::move(model.expected);
        model.expected = MakeStage();
        for (LONG y = stageClip.top; y < stageClip.bottom; ++y)
            for (LONG x = stageClip.left; x < stageClip.right; ++x)
                model.expected->GetPixels()[y * kStageWidth + x] = whole->GetPixel(x, y);
    }
    EXPECT_TRUE(SameStage(*drawn, *model.expected)) << kind << " level " << level;
    return model;
}

class Scratches : public testing::Test {
protected:
    std::unique_ptr<CMemorySurface> picture_ = MakeCodedPicture(800, 600);
};

TEST_F(Scratches, SolidPartsAndFringesOfTheWorkedLevels) {
    const ScratchResult up1 = Check("ScratchUp", *picture_, 1, 1);
    EXPECT_EQ(std::make_pair(up1.solidFirst, up1.solidEnd), std::make_pair(0, 594));
    EXPECT_EQ(up1.fringe, std::vector<int>({594, 595, 596, 597, 598, 599}));
    const ScratchResult up254 = Check("ScratchUp", *picture_, 254, 2);
    EXPECT_EQ(up254.solidEnd, 0);
    EXPECT_EQ(up254.fringe, std::vector<int>({0, 1}));
    const ScratchResult down1 = Check("ScratchDown", *picture_, 1, 3);
    EXPECT_EQ(std::make_pair(down1.solidFirst, down1.solidEnd), std::make_pair(3, 600));
    EXPECT_EQ(down1.fringe, std::vector<int>({3, 2, 1, 0}));
    const ScratchResult left1 = Check("ScratchLeft", *picture_, 1, 4);
    EXPECT_EQ(std::make_pair(left1.solidFirst, left1.solidEnd), std::make_pair(0, 793));
    EXPECT_EQ(left1.fringe, std::vector<int>({793, 794, 795, 796, 797, 798, 799}));
    const ScratchResult right1 = Check("ScratchRight", *picture_, 1, 5);
    EXPECT_EQ(std::make_pair(right1.solidFirst, right1.solidEnd), std::make_pair(4, 800));
    EXPECT_EQ(right1.fringe, std::vector<int>({4, 3, 2, 1, 0}));
}

TEST_F(Scratches, EveryKindMatchesItsModelWithAndWithoutClips) {
    auto odd = MakeCodedPicture(101, 61);
    for (const char* kind : kScratchKinds) {
        for (int level = 1; level < 255; level += 11) {
            Check(kind, *picture_, level, 100 + level);
            Check(kind, *odd, level, 200 + level);
        }
        for (const RECT& cell :
             {RECT{0, 0, 800, 300}, RECT{0, 290, 800, 600}, RECT{300, 0, 500, 600},
              RECT{395, 295, 410, 310}, RECT{-50, -50, 0, 0}}) {
            for (int level : {1, 100, 128, 160, 250}) Check(kind, *picture_, level, 7, &cell);
        }
    }
}

// The double drawing of the first solid line shows with an adding code.
TEST_F(Scratches, OnlyTheFirstSolidLineOfDownAndRightIsDrawnTwice) {
    for (const char* kind : kScratchKinds) {
        for (int level : {1, 64, 128, 200}) {
            const std::vector<int> counts =
                CountStageDraws(LookupTransitionRoutine(kind), 800, 600, level, 9);
            const bool rows = std::string(kind) == "ScratchDown";
            const bool twice = rows || std::string(kind) == "ScratchRight";
            const int b = ((600 + 64) * level) >> 8, bc = ((800 + 64) * level) >> 8;
            for (int j = -kStageY; j < kStageHeight - kStageY; ++j) {
                for (int i = -kStageX; i < kStageWidth - kStageX; ++i) {
                    const int count = counts[(j + kStageY) * kStageWidth + i + kStageX];
                    const bool inside = i >= 0 && i < 800 && j >= 0 && j < 600;
                    const bool doubled = twice && inside && (rows ? j == b + 1 : i == bc + 1);
                    if (doubled) {
                        ASSERT_EQ(count, 2)
                            << kind << " level " << level << " at " << i << ", " << j;
                    } else {
                        ASSERT_LE(count, 1)
                            << kind << " level " << level << " at " << i << ", " << j;
                    }
                }
            }
        }
    }
}

}  // namespace
