// Clipped calls: a routine drawn cell by cell gives the unclipped image and
// never writes outside the cell it is given.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "transition_harness.h"
#include "transitions/piece_drawer.h"
#include "transitions/transition_kinds.h"
#include "wipe_kinds.h"
#include "wipe_model.h"

namespace {

// The 64 cells of an 8 x 8 grid over a width x height destination.
std::vector<RECT> GridCells(int width, int height) {
    std::vector<RECT> cells;
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column)
            cells.push_back({width * column / 8, height * row / 8, width * (column + 1) / 8,
                             height * (row + 1) / 8});
    return cells;
}

class ClippedWipe : public testing::TestWithParam<NamedRoutine> {};

TEST_P(ClippedWipe, CellByCellGivesTheUnclippedImageAndChangesNothingOutsideTheCell) {
    const WipeModel model = FindWipeModel(GetParam().name);
    ASSERT_NE(model, nullptr);
    const TransitionSize sizes[] = {{160, 120}, {101, 61}};
    for (const TransitionSize& size : sizes) {
        auto picture = MakeCodedPicture(size.width, size.height);
        for (int level : {0, 1, 100, 128, 200}) {
            SCOPED_TRACE(testing::Message()
                         << size.width << " x " << size.height << " at level " << level);
            CCoverage coverage(size.width, size.height);
            if (level == 0)
                coverage.Mark(0, 0, size.width, size.height);
            else
                coverage = model(size.width, size.height, level);
            const std::vector<Color32> full = ExpectedCodedImage(coverage);
            auto destination = MakeDestination(size.width, size.height, kSentinel);
            int destWidth = 0;
            int destHeight = 0;
            destination->GetSize(destWidth, destHeight);
            std::vector<Color32> expected(full.size(), kSentinel);
            for (const RECT& cell : GridCells(destWidth, destHeight)) {
                RunAtPicturePlace(GetParam().routine, *destination, picture.get(), nullptr, &cell,
                                  level, 100, 0);
                for (int y = cell.top; y < cell.bottom; ++y)
                    for (int x = cell.left; x < cell.right; ++x)
                        expected[y * destWidth + x] = full[y * destWidth + x];
                ASSERT_TRUE(SameImage(*destination, expected))
                    << "cell {" << cell.left << ", " << cell.top << ", " << cell.right << ", "
                    << cell.bottom << "}";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ClippedWipe, testing::ValuesIn(WipeKinds()), KindName());

// Tereco visits only the lines a clip can reach, in whole pairs or groups.
TEST(TerecoClip, AClipStartingOnAnOddLineKeepsTheLinesParity) {
    auto picture = MakeCodedPicture(800, 600);
    for (const char* kind : {"TerecoH", "TerecoV", "TerecoHDouble", "TerecoVDouble"}) {
        SCOPED_TRACE(kind);
        const CCoverage coverage = FindWipeModel(kind)(800, 600, 100);
        const std::vector<Color32> full = ExpectedCodedImage(coverage);
        auto destination = MakeDestination(800, 600, kSentinel);
        int destWidth = 0;
        int destHeight = 0;
        destination->GetSize(destWidth, destHeight);
        const RECT clip = {kPictureX + 301, kPictureY + 7, kPictureX + 523, kPictureY + 333};
        RunAtPicturePlace(LookupTransitionRoutine(kind), *destination, picture.get(), nullptr,
                          &clip, 100, 100, 0);
        std::vector<Color32> expected(full.size(), kSentinel);
        for (int y = clip.top; y < clip.bottom; ++y)
            for (int x = clip.left; x < clip.right; ++x)
                expected[y * destWidth + x] = full[y * destWidth + x];
        EXPECT_TRUE(SameImage(*destination, expected));
    }
}

TEST(TerecoClip, AClipThatMissesThePictureVisitsNoLine) {
    auto picture = MakeCodedPicture(800, 600);
    auto destination = MakeDestination(800, 600, kSentinel);
    const std::vector<Color32> untouched = ExpectedColouredImage(CCoverage(800, 600), 0);
    const LONG right = kPictureX + 800 + kMarginRight;
    const LONG bottom = kPictureY + 600 + kMarginBottom;
    struct Miss {
        RECT clip;
        bool acrossRows;  // the clip misses the picture's rows (else its columns)
    };
    const Miss misses[] = {
        {{0, 0, right, kPictureY}, true},              // above
        {{0, kPictureY + 600, right, bottom}, true},   // below
        {{0, -50000, right, -40000}, true},            // far above
        {{0, 0, kPictureX, bottom}, false},            // left
        {{kPictureX + 800, 0, right, bottom}, false},  // right
    };
    for (const char* kind : {"TerecoH", "TerecoV", "TerecoHDouble", "TerecoVDouble"}) {
        const bool rows = std::string(kind).find('H') != std::string::npos;
        for (const Miss& miss : misses) {
            ResetTransitionPartCount();
            RunAtPicturePlace(LookupTransitionRoutine(kind), *destination, picture.get(), nullptr,
                              &miss.clip, 128, 100, 0);
            // Lines are limited along one direction only: a clip beside the
            // lines still meets them and hands them on, to draw nothing.
            if (rows == miss.acrossRows) {
                EXPECT_EQ(TransitionPartCount(), 0)
                    << kind << " " << miss.clip.left << ", " << miss.clip.top;
            }
            EXPECT_TRUE(SameImage(*destination, untouched)) << kind;
        }
    }
}

}  // namespace
