// The DNA painter: the bead colours drawn in list order, the step length over
// the cycle, where the beads stand after a few steps, the size of the beads
// as the cycle goes on, and the drawing of the boxes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "effect_pictures.h"
#include "graphics/draw_image.h"
#include "scene/effects/dna_painter.h"
#include "../pixel_checks.h"
#include "support/error_recorder.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

class DnaPainter : public testing::Test {
protected:
    DnaPainter() { ClearRecordedErrors(); }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    CEffectPictures pictures_;
};

TEST_F(DnaPainter, StepLengthFollowsTheCycle) {
    const struct {
        int t;
        int length;
    } kCases[] = {{0, 32},    {999, 32}, {1000, 32}, {1500, 23}, {1999, 4},  {2000, 4},
                  {7999, 4},  {8000, 4}, {9500, 12}, {10999, 15}, {11000, 16}, {12000, 16}};
    for (const auto& c : kCases) EXPECT_EQ(CDnaPainter::StepLength(c.t), c.length) << "t = " << c.t;
}

TEST_F(DnaPainter, BeadsTakeTheirColoursInListOrderAndRiseFromTheBottom) {
    CDnaPainter painter(320, 200);  // laid out for 800 x 600 whatever the size
    std::srand(23);
    painter.Load();
    std::srand(23);
    ASSERT_EQ(painter.GetHelix().size(), 40u);
    ASSERT_EQ(painter.GetColumn().size(), 40u);
    for (size_t i = 0; i < 40; ++i) {
        const DnaBead& bead = painter.GetHelix()[i];
        EXPECT_EQ(bead.colour, std::rand() % 4);
        EXPECT_EQ(bead.phase, static_cast<int>(i / 2) * 500);
        EXPECT_EQ(bead.strand, static_cast<int>(i % 2));
        EXPECT_EQ(bead.x, -10000);
    }
    for (size_t i = 0; i < 40; ++i) {
        const DnaBead& bead = painter.GetColumn()[i];
        EXPECT_EQ(bead.colour, std::rand() % 4);
        EXPECT_EQ(bead.phase, -10000 - static_cast<int>(i / 2) * 500);
    }

    // 500 ms are 15 steps of 32 ms: every phase 240 on.
    painter.Update(500);
    EXPECT_EQ(painter.GetClock(), 500);
    const double turn = std::sin(500 * 2 * kPi / 7000);
    for (size_t i = 0; i < 40; ++i) {
        const DnaBead& bead = painter.GetHelix()[i];
        const int phase = static_cast<int>(i / 2) * 500 + 240;
        EXPECT_EQ(bead.phase, phase);
        EXPECT_EQ(bead.y, 600 - phase * 30 / 1000);
        const int side = i % 2 == 0 ? 1 : -1;
        int x = static_cast<int>(std::cos(phase * 2 * kPi / 5000) * side * 100 + 400);
        if (bead.y > 472) x += (x - 400) * (bead.y - 472) * 2 / 128;  // the flare at the bottom
        EXPECT_EQ(bead.x, static_cast<int>(turn * (x - 400) + 400)) << "helix bead " << i;
    }
    for (size_t i = 0; i < 40; ++i) {
        const DnaBead& bead = painter.GetColumn()[i];
        EXPECT_EQ(bead.y, 600 - (-10000 - static_cast<int>(i / 2) * 500 + 240) * 30 / 1000);
    }
}

TEST_F(DnaPainter, HelixBeadsAre32By4AtHalfASecondAndSwellBelowTheMiddle) {
    CDnaPainter painter(800, 600);
    painter.Load();
    painter.Update(500);
    const std::vector<DnaBox> boxes = painter.GetBoxes();
    int plain = 0;
    for (size_t i = 0; i < 40; ++i) {
        const DnaBead& bead = painter.GetHelix()[i];
        const DnaBox& box = boxes[i];
        EXPECT_EQ(box.picture, bead.colour);
        EXPECT_EQ(box.opacity, 1.0);
        if (bead.y > 400) {
            const double swell = std::sin((bead.y - 400) * kPi / 400);
            EXPECT_EQ(box.width, static_cast<int>(swell * 128 + 32));
            EXPECT_EQ(box.height, static_cast<int>(swell * 32 + 4));
            continue;
        }
        ++plain;
        EXPECT_EQ(box.width, 32);
        EXPECT_EQ(box.height, 4);
        EXPECT_EQ(box.left, bead.x - 16);
        EXPECT_EQ(box.top, bead.y - 2);
    }
    EXPECT_GT(plain, 0);
    // Column beads show their colour, a box of eight pixels per colour
    // number, swelling below row 300.
    for (size_t i = 0; i < 40; ++i) {
        const DnaBead& bead = painter.GetColumn()[i];
        const DnaBox& box = boxes[40 + i];
        int size = bead.colour * 8;
        if (bead.y > 300) size = static_cast<int>(size + std::sin((bead.y - 300) * kPi / 600) * 32);
        EXPECT_EQ(box.picture, bead.colour);
        EXPECT_EQ(box.width, size);
        EXPECT_EQ(box.height, size);
    }
}

// Through the cycle: the glow picture from 5001, the flash, and from 8000
// the spread away from the centre while the beads fade out by 9000.
TEST_F(DnaPainter, LaterInTheCycleBeadsGlowFlashAndSpreadOut) {
    CDnaPainter painter(800, 600);
    painter.Load();
    const struct {
        int t;
        int picture;       // of a helix bead above row 400
        int width;         // before the spread factor
        double opacity;
    } kStages[] = {
        {3000, -1, 64, 1.0},          // the bead's colour
        {3500, -1, 64, 1.0},          // (3900 mod 1300 = 0: no flash)
        {4810, -1, 192, 1.0},         // (5210 mod 1300 = 10: tripled)
        {5001, kDnaGlow, 64, 1.0},
        {8500, kDnaGlow, 72, 0.5},    // u = 500
    };
    int elapsed = 0;
    for (const auto& stage : kStages) {
        SCOPED_TRACE("t = " + std::to_string(stage.t));
        painter.Update(stage.t - elapsed);
        elapsed = stage.t;
        ASSERT_EQ(painter.GetClock(), stage.t);
        const std::vector<DnaBox> boxes = painter.GetBoxes();
        for (size_t i = 0; i < 40; ++i) {
            const DnaBead& bead = painter.GetHelix()[i];
            if (bead.y > 400) continue;
            const DnaBox& box = boxes[i];
            EXPECT_EQ(box.picture, stage.picture < 0 ? bead.colour : stage.picture);
            EXPECT_DOUBLE_EQ(box.opacity, stage.opacity);
            if (stage.t <= 8000) {
                EXPECT_EQ(box.width, stage.width);
                continue;
            }
            const int u = stage.t - 8000;
            const double k = static_cast<double>(1.0f + u * 0.004f);
            const int height = u * 8 / 4000 + 8;
            EXPECT_EQ(box.width, static_cast<int>(stage.width * k));
            EXPECT_EQ(box.height, static_cast<int>(height * k));
            EXPECT_EQ(box.left, static_cast<int>(400 + (bead.x - stage.width / 2 - 400) * k));
            EXPECT_EQ(box.top, static_cast<int>(300 + (bead.y - height / 2 - 300) * k));
        }
        for (size_t i = 40; i < boxes.size(); ++i) {
            EXPECT_EQ(boxes[i].picture, kDnaSpark);
            EXPECT_DOUBLE_EQ(boxes[i].opacity, stage.opacity);
        }
    }
    // Past 12000 the cycle starts again.
    painter.Update(3501);
    EXPECT_EQ(painter.GetClock(), 0);
}

TEST_F(DnaPainter, EachBoxIsItsPictureScaledToTheBoxAndAdded) {
    CDnaPainter painter(800, 600);
    painter.Load();
    painter.Update(2500);
    SurfacePair surfaces(800, 600, 12);
    const CTransform2D node(-3.5, 2.25, 0.8, 1, 1, 0);
    const RECT clip = {10, 20, 790, 580};
    painter.Draw(node, surfaces.actual, &clip);
    const char* const kNames[6] = {"EI/Red.bmp",    "EI/Green.bmp", "EI/Blue.bmp",
                                   "EI/Yellow.bmp", "EI/Ex.bmp",    "EI/Ex2.bmp"};
    CMemorySurface pictures[6];
    for (int i = 0; i < 6; ++i) LoadExpectedPicture(pictures[i], kNames[i]);
    for (const DnaBox& box : painter.GetBoxes()) {
        CTransform2D placement = node;
        placement.Compose(CTransform2D(box.left, box.top, box.opacity, box.width / 8.0, box.height / 8.0, 0));
        DrawImageAdd(surfaces.expected, pictures[box.picture], placement, false, nullptr, &clip);
    }
    EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
}

TEST(DnaPainterPictures, MissingPicturesDrawNothing) {
    ClearRecordedErrors();
    CEffectPictures none(false, false);
    CDnaPainter painter(800, 600);
    painter.Load();
    painter.Update(2500);
    SurfacePair surfaces(200, 200, 13);
    painter.Draw(CTransform2D(0, 0, 1, 1, 1, 0), surfaces.actual, nullptr);
    EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
    ClearRecordedErrors();
}

}  // namespace
