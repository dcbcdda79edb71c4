// Tensile's stretched edge line and the Wave kinds' moved rows and columns.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "transition_harness.h"
#include "transition_stage.h"
#include "transitions/piece_drawer.h"
#include "transitions/tensile_transitions.h"
#include "transitions/wave_transitions.h"

namespace {

class Stretches : public testing::Test {
protected:
    std::unique_ptr<CMemorySurface> picture_ = MakeCodedPicture(800, 600);
};

constexpr double kRight = kStageWidth - kStageX;    // the destination's right edge
constexpr double kBottom = kStageHeight - kStageY;  // and its bottom edge

TEST_F(Stretches, TensileKeepsAPartAndStretchesItsEdgeLineToTheBorder) {
    struct Case {
        TransitionRoutine routine;
        int level;
        RECT inPlace;  // in picture coordinates
        RECT line;
        double into[4];  // picture coordinates
    } cases[] = {
        {&TensileRight, 1, {0, 0, 793, 600}, {793, 0, 794, 600}, {793, 0, kRight, 600}},
        {&TensileRight, 255, {0, 0, 0, 0}, {0, 0, 1, 600}, {0, 0, kRight, 600}},
        {&TensileLeft, 255, {0, 0, 0, 0}, {799, 0, 800, 600}, {-kStageX, 0, 800, 600}},
        {&TensileLeft, 1, {7, 0, 800, 600}, {6, 0, 7, 600}, {-kStageX, 0, 7, 600}},
        {&TensileDown, 1, {0, 0, 800, 595}, {0, 595, 800, 596}, {0, 595, 800, kBottom}},
        {&TensileUp, 255, {0, 0, 0, 0}, {0, 599, 800, 600}, {0, -kStageY, 800, 600}},
        {&TensileUp, 128, {0, 303, 800, 600}, {0, 302, 800, 303}, {0, -kStageY, 800, 303}},
    };
    for (const Case& c : cases) {
        auto expected = MakeStage();
        PutCodedPart(*expected, c.inPlace, c.inPlace.left, c.inPlace.top);
        PutScaledPart(*expected, *picture_, c.line, c.into[0], c.into[1], c.into[2], c.into[3]);
        EXPECT_TRUE(SameStage(*RunOnStage(c.routine, *picture_, nullptr, c.level), *expected))
            << c.level;
    }
}

TEST(TensileColourRectangle, ZeroWidthOrHeightStillFillsTheBandToTheBorder) {
    const Color32 colour = 0xFF123456;
    const struct {
        TransitionRoutine routine;
        TransitionSize size;
        int level;
        RECT band;  // on the stage; empty when nothing is drawn
    } cases[] = {
        {&TensileRight, {0, 50}, 1, {kStageX, kStageY, kStageWidth, kStageY + 50}},
        {&TensileRight, {0, 50}, 255, {kStageX, kStageY, kStageWidth, kStageY + 50}},
        {&TensileLeft, {0, 50}, 128, {0, kStageY, kStageX, kStageY + 50}},
        {&TensileDown, {40, 0}, 1, {kStageX, kStageY, kStageX + 40, kStageHeight}},
        {&TensileUp, {40, 0}, 200, {kStageX, 0, kStageX + 40, kStageY}},
        // The band of a rectangle without height across, or without width
        // along, is itself empty; level 0 draws the empty rectangle.
        {&TensileRight, {40, 0}, 128, {0, 0, 0, 0}},
        {&TensileUp, {0, 50}, 128, {0, 0, 0, 0}},
        {&TensileRight, {0, 50}, 0, {0, 0, 0, 0}},
        {&TensileLeft, {-5, 50}, 128, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width << " x " << c.size.height << " at " << c.level);
        auto stage = MakeStage();
        c.routine(stage.get(), nullptr, kStageX, kStageY, &c.size, nullptr, c.level, 1100, colour);
        auto expected = MakeStage();
        for (LONG y = c.band.top; y < c.band.bottom; ++y)
            for (LONG x = c.band.left; x < c.band.right; ++x)
                expected->GetPixels()[y * kStageWidth + x] = colour;
        EXPECT_TRUE(SameStage(*stage, *expected));
    }
}

// The model's own table: trunc(cos(i · 2π / 512) · 65536).
int Cosine(int i) {
    volatile double c = std::cos((i & 511) * (2 * 3.14159265358979323846 / 512)) * 65536;
    return int(c);
}

std::unique_ptr<CMemorySurface> WaveModel(int w, int h, int level, int step,
                                          std::vector<int>* offsets = nullptr) {
    auto expected = MakeStage();
    for (int j = 0; j < h; ++j) {
        const int p = (step * level + step * j) & 511;
        const int off = static_cast<int>(std::floor(Cosine(p) * double(level) / 65536));
        if (offsets) offsets->push_back(off);
        PutCodedPart(*expected, RECT{0, j, w, j + 1}, off, j);
    }
    return expected;
}

TEST_F(Stretches, WaveRowsMoveByTheirWorkedOffsets) {
    std::vector<int> offsets;
    auto top = WaveModel(800, 600, 255, 1, &offsets);
    EXPECT_EQ(offsets[1], -255);
    EXPECT_TRUE(SameStage(*RunOnStage(&Wave, *picture_, nullptr, 255), *top));
    offsets.clear();
    auto low = WaveModel(800, 600, 1, 1, &offsets);
    for (int j = 0; j < 600; ++j) EXPECT_EQ(offsets[j], j == 511 ? 1 : offsets[j] < 0 ? -1 : 0);
    EXPECT_TRUE(SameStage(*RunOnStage(&Wave, *picture_, nullptr, 1), *low));
    offsets.clear();
    auto small = WaveModel(800, 600, 1, 4, &offsets);
    for (int j = 0; j < 600; ++j) EXPECT_EQ(offsets[j] == 1, j % 128 == 127 && j < 512) << j;
    EXPECT_TRUE(SameStage(*RunOnStage(&WaveSmall, *picture_, nullptr, 1), *small));
    auto odd = MakeCodedPicture(101, 61);
    for (int level = 1; level <= 255; level += 7) {
        EXPECT_TRUE(
            SameStage(*RunOnStage(&Wave, *odd, nullptr, level), *WaveModel(101, 61, level, 1)));
        EXPECT_TRUE(SameStage(*RunOnStage(&WaveSmall, *odd, nullptr, level),
                              *WaveModel(101, 61, level, 4)));
    }
}

// WaveBump's model: column i shows trunc(32 s + i), stretched by trunc(8 (s +
// 1)) at both ends, s = sin(2π (i + w L / 255) / w).
std::unique_ptr<CMemorySurface> BumpModel(const CMemorySurface& picture, int level, int first,
                                          int end) {
    int w = 0, h = 0;
    picture.GetSize(w, h);
    auto expected = MakeStage();
    for (int i = first; i < end; ++i) {
        volatile double s =
            std::sin((double(w * level) * (1 / 255.0) + i) * 2 * 3.14159265358979323846 / w);
        volatile double mapped = 32 * s + i;
        volatile double stretch = (s + 1) * 8;
        const int c = int(mapped), d = int(stretch);
        if (c >= 0 && c < w)
            PutScaledPart(*expected, picture, RECT{c, 0, c + 1, h}, i, -d, i + 1, h + d);
    }
    return expected;
}

TEST_F(Stretches, WaveBumpShowsTheWorkedColumnsAtEveryLevel) {
    auto level0 = RunOnStage(&WaveBump, *picture_, nullptr, 0);
    const struct {
        int i, source, top, bottom;
    } columns[] = {{0, 0, -8, 607}, {100, 122, -13, 612}, {200, 232, -16, 615}, {600, 568, 0, 599}};
    for (const auto& c : columns) {
        EXPECT_EQ(ColumnSpan(*level0, c.i), std::make_pair(c.top, c.bottom)) << c.i;
        EXPECT_TRUE(Shows(*level0, c.i, 300, c.source, 300)) << c.i;
    }
    EXPECT_TRUE(SameStage(*level0, *BumpModel(*picture_, 0, 0, 800)));
    for (int level : {1, 64, 128, 255, 300, -40}) {
        EXPECT_TRUE(SameStage(*RunOnStage(&WaveBump, *picture_, nullptr, level),
                              *BumpModel(*picture_, level, 0, 800)))
            << level;
    }
    const RECT clip = OnStage(RECT{350, -100, 450, 700});
    ResetTransitionPartCount();
    auto clipped = RunOnStage(&WaveBump, *picture_, &clip, 128);
    EXPECT_EQ(TransitionPartCount(), 100);
    auto expected = BumpModel(*picture_, 128, 350, 450);
    EXPECT_TRUE(SameStage(*clipped, *expected));
}

}  // namespace
