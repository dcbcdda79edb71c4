// Every kind against its model: the coded picture lands pixel for pixel where
// the model says, every pixel is drawn at most once, and the fills cover the
// same pixels.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/rectangle_fill.h"
#include "simd_switches.h"
#include "transition_harness.h"
#include "wipe_kinds.h"
#include "wipe_model.h"

namespace {

struct SizeAndLevels {
    int width;
    int height;
    std::vector<int> levels;
};

const std::vector<int> kManyLevels = {1,   2,   15,  16,  20,  63,  64,  65,  100, 126, 127,
                                      128, 129, 155, 191, 192, 193, 200, 239, 240, 253, 254};
const std::vector<int> kFewLevels = {1, 64, 126, 127, 128, 155, 192, 200, 254};

// Odd and even sizes, pictures narrower and wider than tall, one smaller and
// one larger than 255 in both directions, and the sizes the worked values use.
const SizeAndLevels kCases[] = {
    {800, 600, kFewLevels}, {800, 591, {128, 155}}, {800, 100, {128}},      {800, 255, {1}},
    {800, 254, {1}},        {101, 61, kManyLevels}, {16, 12, kManyLevels},  {15, 11, kManyLevels},
    {20, 20, kManyLevels},  {40, 300, kManyLevels}, {300, 40, kManyLevels}, {1, 1, kManyLevels},
    {1, 37, kManyLevels},   {255, 254, kFewLevels}, {257, 259, kFewLevels},
};

// FillNormalAlpha of the colour over the sentinel, on the plain path.
Color32 BlendedOverSentinel(Color32 colour) {
    auto pixel = MakeSurface(1, 1, kSentinel);
    FillNormalAlpha(*pixel, 0, 0, 1, 1, colour, nullptr);
    return pixel->GetPixel(0, 0);
}

class WipeRoutine : public testing::TestWithParam<NamedRoutine> {};

TEST_P(WipeRoutine, DrawsWhatItsModelShowsEachPixelOnce) {
    const WipeModel model = FindWipeModel(GetParam().name);
    ASSERT_NE(model, nullptr);
    const TransitionRoutine routine = GetParam().routine;
    for (const SizeAndLevels& c : kCases) {
        auto picture = MakeCodedPicture(c.width, c.height);
        for (int level : c.levels) {
            SCOPED_TRACE(testing::Message()
                         << c.width << " x " << c.height << " at level " << level);
            const CCoverage expected = model(c.width, c.height, level);
            auto destination = MakeDestination(c.width, c.height, kSentinel);
            RunAtPicturePlace(routine, *destination, picture.get(), nullptr, nullptr, level, 100,
                              0);
            EXPECT_TRUE(SameImage(*destination, ExpectedCodedImage(expected)));
            EXPECT_TRUE(
                SameCoverage(CountDraws(routine, c.width, c.height, level, false), expected));
            EXPECT_TRUE(
                SameCoverage(CountDraws(routine, c.width, c.height, level, true), expected));
        }
    }
}

TEST_P(WipeRoutine, AlphaFillCoversTheSamePixelsWeightedByTheColoursAlpha) {
    const CScopedSimdSwitches plain(kPlainSwitches);
    const Color32 colour = 0x80FF4020;
    const Color32 blended = BlendedOverSentinel(colour);
    const TransitionRoutine routine = GetParam().routine;
    for (int level : kFewLevels) {
        for (const TransitionSize size : {TransitionSize{101, 61}, TransitionSize{300, 40}}) {
            SCOPED_TRACE(testing::Message()
                         << size.width << " x " << size.height << " at level " << level);
            auto destination = MakeDestination(size.width, size.height, kSentinel);
            RunAtPicturePlace(routine, *destination, nullptr, &size, nullptr, level, 1101, colour);
            const CCoverage expected =
                FindWipeModel(GetParam().name)(size.width, size.height, level);
            EXPECT_TRUE(SameImage(*destination, ExpectedColouredImage(expected, blended)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, WipeRoutine, testing::ValuesIn(WipeKinds()), KindName());

}  // namespace
