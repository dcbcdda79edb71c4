// The particle painters against models worked out from their rules with the
// same seeds: where particles start, how ticks move and restart them, and
// the pictures and lines they draw; then the edge cases of the rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "effect_pictures.h"
#include "graphics/draw_image.h"
#include "graphics/lines.h"
#include "particle_models.h"
#include "scene/effects/bubble_painter.h"
#include "scene/effects/effect_painter_factory.h"
#include "scene/effects/flake_painters.h"
#include "scene/effects/float_bubble_painter.h"
#include "scene/effects/heart_painter.h"
#include "scene/effects/rain_painters.h"
#include "scene/effects/swarm_bubble_painter.h"
#include "../pixel_checks.h"
#include "support/error_recorder.h"

namespace {

const CTransform2D kNodePlacement(5.3, 7.8, 0.75, 1.0, 1.0, 0.0);
const RECT kClip = {4, 3, 150, 110};

// The picture drawn at a particle as the painters place it: whole pixels of
// the 1/256 position, composed under the node's placement.
void DrawExpectedPicture(CMemorySurface& target, const CMemorySurface& picture, int32_t x, int32_t y,
                         double zoom, double opacity, DrawImageFunction draw, const RECT* source) {
    CTransform2D placement = kNodePlacement;
    placement.Compose(CTransform2D(x >> 8, y >> 8, opacity, zoom, zoom, 0.0));
    draw(target, picture, placement, picture.HasAlpha(), source, &kClip);
}

class ParticlePainters : public testing::Test {
protected:
    ParticlePainters() { ClearRecordedErrors(); }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    CEffectPictures pictures_;
};

TEST_F(ParticlePainters, DepthIsTwelveLessTheLogarithmAndOneForADrawOfZero) {
    const struct {
        int r;
        int depth;
    } kCases[] = {{0, 1}, {1, 12}, {2, 11}, {100, 7}, {1000, 5}, {32767, 1}};
    for (const auto& c : kCases) {
        std::srand(SeedGiving(c.r, 1));
        EXPECT_EQ(DrawDepth(), c.depth) << "r = " << c.r;
    }
}

TEST_F(ParticlePainters, SnowAndSlowSnowStartMoveAndRestartAsTheirRules) {
    for (bool slow : {false, true}) {
        SCOPED_TRACE(slow ? "SlowSnow" : "Snow");
        std::unique_ptr<CFlakePainter> painter;
        if (slow) painter = std::make_unique<CSlowSnowPainter>(160, 20);
        else painter = std::make_unique<CSnowPainter>(160, 20);
        FlakeModel model(slow, 160, 20);
        // The painter runs first, then the model draws the same numbers.
        std::srand(41);
        painter->Load();
        const std::vector<EffectParticle> start = painter->GetFlakes();
        painter->Update(model.Tick() - 1);  // one ms short of a tick
        const std::vector<EffectParticle> early = painter->GetFlakes();
        painter->Update(model.Tick() - 1);
        const std::vector<EffectParticle> once = painter->GetFlakes();
        for (int frame = 0; frame < 100; ++frame) painter->Update(17);

        std::srand(41);
        model.Start();
        EXPECT_TRUE(SameParticles(start, model.flakes));
        EXPECT_TRUE(SameParticles(early, model.flakes));
        model.Step();
        EXPECT_TRUE(SameParticles(once, model.flakes));
        // Tick - 2 ms were left; 1700 more make these ticks, in which flakes
        // past the bottom restart above the top.
        for (int tick = (model.Tick() - 2 + 1700) / model.Tick(); tick > 0; --tick) model.Step();
        EXPECT_GT(model.respawns, 0);
        EXPECT_TRUE(SameParticles(painter->GetFlakes(), model.flakes));
    }
}

TEST_F(ParticlePainters, FifteenMillisecondsMoveNoFlakeAndThirtyMoveEachOnce) {
    CSnowPainter painter(800, 600);
    painter.Load();
    const std::vector<EffectParticle> start = painter.GetFlakes();
    painter.Update(15);
    EXPECT_TRUE(SameParticles(painter.GetFlakes(), start));
    painter.Update(15);
    for (size_t i = 0; i < start.size(); ++i) {
        const EffectParticle& now = painter.GetFlakes()[i];
        const bool moved = now.x == start[i].x + start[i].vx && now.y == start[i].y + start[i].vy;
        const bool restarted = now.y <= -50 * 256;
        EXPECT_TRUE(moved || restarted) << "flake " << i;
    }
}

TEST_F(ParticlePainters, SnowFlakesAreAddedAtASixteenthOfTheirDepth) {
    CSnowPainter painter(160, 120);
    std::srand(5);
    painter.Load();
    painter.Update(48);
    std::srand(5);
    FlakeModel model(false, 160, 120);
    model.Start();
    for (int i = 0; i < 3; ++i) model.Step();

    SurfacePair surfaces(160, 120, 3);
    painter.Draw(kNodePlacement, surfaces.actual, &kClip);
    CMemorySurface snow;
    LoadExpectedPicture(snow, "EI/Snow.bmp");
    for (const EffectParticle& f : model.flakes) {
        DrawExpectedPicture(surfaces.expected, snow, f.x, f.y, f.depth * 0.0625, 1.0, &DrawImageAdd, nullptr);
    }
    EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
}

TEST_F(ParticlePainters, HeartsRiseFromRow670AndAreDrawnWithTheirAlpha) {
    CHeartPainter painter(160, 40);
    std::srand(9);
    painter.Load();
    const std::vector<EffectParticle> start = painter.GetHearts();
    painter.Update(1000 * 16);
    std::srand(9);
    HeartModel model(160, 40);
    model.Start();
    ASSERT_TRUE(SameParticles(start, model.hearts));
    for (const EffectParticle& h : model.hearts) {
        EXPECT_GE(h.y, 670 * 256);
        EXPECT_LT(h.y, 810 * 256);
    }
    for (int i = 0; i < 1000; ++i) model.Step();
    EXPECT_GT(model.respawns, 0);
    EXPECT_TRUE(SameParticles(painter.GetHearts(), model.hearts));

    SurfacePair surfaces(160, 120, 4);
    painter.Draw(kNodePlacement, surfaces.actual, &kClip);
    CMemorySurface heart;
    LoadExpectedPicture(heart, "EI/Heart.png");
    ASSERT_TRUE(heart.HasAlpha());
    for (const EffectParticle& h : model.hearts) {
        DrawExpectedPicture(surfaces.expected, heart, h.x, h.y, h.depth * 0.0625, 1.0, &DrawImageNormal, nullptr);
    }
    EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
}

// A drop is a line ten ticks long: 10 pixels across and 100 per depth down,
// with alpha 20 per depth plus 32, times the opacity.
TEST_F(ParticlePainters, RainDropsAreLinesTenTicksLongBrighterWithDepth) {
    for (double opacity : {1.0, 0.5}) {
        SCOPED_TRACE("opacity " + std::to_string(opacity));
        CRainPainter painter(160, 120);
        std::srand(77);
        painter.Load();
        painter.Update(40 * 16);
        std::srand(77);
        RainModel model(160, 120);
        model.Start();
        for (int i = 0; i < 40; ++i) model.Step();
        ASSERT_TRUE(SameParticles(painter.GetDrops(), model.drops));
        ASSERT_TRUE(std::any_of(model.drops.begin(), model.drops.end(),
                                [](const EffectParticle& d) { return d.depth == 1; }));

        const CTransform2D placement(6, 4, opacity, 1, 1, 0);
        SurfacePair surfaces(180, 140, 5);
        painter.Draw(placement, surfaces.actual, &kClip);
        const RECT area = {6, 4, 150, 110};  // the placed area cut by the clip
        for (const EffectParticle& d : model.drops) {
            const int x = d.x / 256 + 6;
            const int y = d.y / 256 + 4;
            const int alpha = std::min(255, static_cast<int>((20 * d.depth + 32) * opacity));
            DrawLine(surfaces.expected, x, y, x + 10, y + 100 * d.depth,
                     0x00FFFFFFu | static_cast<Color32>(alpha) << 24, &area);
        }
        EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
    }
}

// Drops farther than 365 pixels from the centre are full length and alpha.
TEST_F(ParticlePainters, LookUpRainBurstsFromTheCentreLongerAndBrighterOutwards) {
    CLookUpRainPainter painter(1000, 900);
    std::srand(3);
    painter.Load();
    const std::vector<EffectParticle> start = painter.GetDrops();
    painter.Update(20 * 16 - 4);  // 4 ms were left by the load
    std::srand(3);
    LookUpRainModel model(1000, 900);
    model.Start();
    ASSERT_TRUE(SameParticles(start, model.drops));
    for (int i = 0; i < 20; ++i) model.Step();
    ASSERT_TRUE(SameParticles(painter.GetDrops(), model.drops));

    const CTransform2D placement(-300, -250, 0.5, 1, 1, 0);
    const RECT clip = {0, 0, 400, 400};
    SurfacePair surfaces(400, 400, 6);
    painter.Draw(placement, surfaces.actual, &clip);
    int distant = 0;
    for (const EffectParticle& d : model.drops) {
        const int px = d.x / 256;
        const int py = d.y / 256;
        const double distance = std::hypot(500 - px, 450 - py);
        const int length = distance > 365 ? 255 : static_cast<int>(distance * 0.7);
        if (distance > 365) ++distant;
        const int ex = px + d.vx * 5 / 256 * length / 64;
        const int ey = py + d.vy * 5 / 256 * length / 64;
        const Color32 colour = 0x00FFFFFFu | static_cast<Color32>(static_cast<int>(length * 0.5)) << 24;
        DrawLine(surfaces.expected, px - 300, py - 250, ex - 300, ey - 250, colour, &clip);
    }
    EXPECT_GT(distant, 0);
    EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
}

TEST_F(ParticlePainters, BubblesCycleEightFramesAHundredMillisecondsEach) {
    CBubblePainter painter(40, 30);
    std::srand(11);
    painter.Load();

    // The frame of bubble 0 as ticks pass: a change every 100 ms of ticks,
    // through all eight frames in turn.
    int frame = painter.GetBubbles()[0].clock / 100 % 8;
    int lastChange = -1;
    int changes = 0;
    for (int tick = 1; tick <= 60; ++tick) {
        painter.Update(16);
        const int now = painter.GetBubbles()[0].clock / 100 % 8;
        if (now == frame) continue;
        EXPECT_EQ(now, (frame + 1) % 8);
        if (lastChange >= 0) {
            EXPECT_TRUE(tick - lastChange == 6 || tick - lastChange == 7);
        }
        lastChange = tick;
        frame = now;
        ++changes;
    }
    EXPECT_GE(changes, 9);
    painter.Update(300 * 16);
    std::srand(11);
    BubbleModel model(40, 30);
    model.Start();
    for (int i = 0; i < 360; ++i) model.Step();
    EXPECT_GT(model.respawns, 0);
    for (size_t i = 0; i < model.bubbles.size(); ++i) {
        const BubbleParticle& a = painter.GetBubbles()[i];
        const BubbleParticle& e = model.bubbles[i];
        EXPECT_TRUE(a.x == e.x && a.y == e.y && a.depth == e.depth && a.vx == e.vx && a.vy == e.vy &&
                    a.lift == e.lift && a.clock == e.clock)
            << "bubble " << i;
    }

    SurfacePair surfaces(160, 120, 7);
    painter.Draw(kNodePlacement, surfaces.actual, &kClip);
    CMemorySurface bubble;
    LoadExpectedPicture(bubble, "EI/Bubble.bmp");
    for (const BubbleParticle& b : model.bubbles) {
        const int f = b.clock / 100 % 8;
        const RECT source = {16 * f, 0, 16 * f + 16, 16};
        DrawExpectedPicture(surfaces.expected, bubble, b.x, b.y, b.depth * 0.25, 0.5, &DrawImageAdd, &source);
    }
    EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
}

TEST_F(ParticlePainters, FloatBubblesRestartOnRow900AndGrowDownwards) {
    CFloatBubblePainter painter(60, 40);
    std::srand(13);
    painter.Load();
    const std::vector<EffectParticle> start = painter.GetBubbles();
    painter.Update(500 * 16);
    std::srand(13);
    FloatBubbleModel model(60, 40);
    model.Start();
    ASSERT_TRUE(SameParticles(start, model.bubbles));
    for (int i = 0; i < 500; ++i) model.Step();
    EXPECT_GT(model.respawns, 0);
    EXPECT_TRUE(SameParticles(painter.GetBubbles(), model.bubbles));

    SurfacePair surfaces(160, 120, 8);
    painter.Draw(kNodePlacement, surfaces.actual, &kClip);
    CMemorySurface light;
    LoadExpectedPicture(light, "EI/Light_Blue.bmp");
    for (const EffectParticle& b : model.bubbles) {
        // y / 800 pixels plus a half, times a quarter of the depth.
        const double zoom = (b.y * static_cast<double>(1.0f / 204800.0f) + 0.5) * b.depth * 0.25;
        DrawExpectedPicture(surfaces.expected, light, b.x, b.y, zoom, 0.5, &DrawImageAdd, nullptr);
    }
    EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
}

TEST_F(ParticlePainters, SwarmBubblesCircleAndATurnOfFourClosesIn256Ticks) {
    CSwarmBubblePainter painter(160, 120);
    std::srand(17);
    painter.Load();
    std::srand(17);
    SwarmModel model(160, 120);
    model.Start();
    const std::vector<SwarmParticle> start = model.bubbles;
    for (int i = 0; i < 256; ++i) model.Step();
    painter.Update(256 * 16);

    int fours = 0;
    for (size_t i = 0; i < start.size(); ++i) {
        const SwarmParticle& a = painter.GetBubbles()[i];
        const SwarmParticle& e = model.bubbles[i];
        EXPECT_TRUE(a.x == e.x && a.y == e.y && a.size == e.size && a.speed == e.speed && a.angle == e.angle &&
                    a.turn == e.turn)
            << "bubble " << i;
        EXPECT_GE(std::abs(e.turn), 4);
        EXPECT_LE(std::abs(e.turn), 11);
        if (std::abs(e.turn) != 4) continue;
        ++fours;
        // A whole circle: the angle is a turn on, the bubble within a pixel
        // of where it was (each step truncates).
        EXPECT_EQ(e.angle - start[i].angle, 1024 * (e.turn > 0 ? 1 : -1));
        EXPECT_LE(std::abs(e.x - start[i].x), 256);
        EXPECT_LE(std::abs(e.y - start[i].y), 256);
    }
    EXPECT_GT(fours, 0);

    SurfacePair surfaces(160, 120, 9);
    painter.Draw(kNodePlacement, surfaces.actual, &kClip);
    CMemorySurface light;
    LoadExpectedPicture(light, "EI/Light_Blue.bmp");
    for (const SwarmParticle& b : model.bubbles) {
        DrawExpectedPicture(surfaces.expected, light, b.x, b.y, b.size * 0.125, 1.0, &DrawImageAdd, nullptr);
    }
    EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
}

// Sizes from 0 to 3 (and negative ones) divide by nothing, and a depth draw
// of 0 gives a particle that falls and restarts like any other.
TEST_F(ParticlePainters, TinySizesAndAZeroDepthDrawRunWithoutAFault) {
    for (int kind = 1; kind <= 9; ++kind) {
        for (int width : {-5, 0, 1, 2, 3}) {
            for (int height : {-5, 0, 1, 2, 3}) {
                SCOPED_TRACE("kind " + std::to_string(kind) + " " + std::to_string(width) + " x " +
                             std::to_string(height));
                std::unique_ptr<CEffectPainter> painter = MakeEffectPainter(kind, width, height);
                ASSERT_TRUE(painter);
                painter->Load();
                painter->Update(3000);
                CMemorySurface target;
                ASSERT_EQ(target.Create(16, 16), 0);
                painter->Draw(CTransform2D(0, 0, 1, 1, 1, 0), target, nullptr);
            }
        }
    }
    // The depth draw of the first particle: the fourth draw of a flake or a
    // heart, the third of a rain drop.
    const struct {
        const char* name;
        int position;
        std::function<std::unique_ptr<CEffectPainter>()> make;
        std::function<int32_t(CEffectPainter&)> firstDepth;
    } kZeroDepth[] = {
        {"Snow", 4, [] { return std::make_unique<CSnowPainter>(100, 10); },
         [](CEffectPainter& p) { return static_cast<CFlakePainter&>(p).GetFlakes()[0].depth; }},
        {"SlowSnow", 4, [] { return std::make_unique<CSlowSnowPainter>(100, 10); },
         [](CEffectPainter& p) { return static_cast<CFlakePainter&>(p).GetFlakes()[0].depth; }},
        {"Heart", 4, [] { return std::make_unique<CHeartPainter>(100, 10); },
         [](CEffectPainter& p) { return static_cast<CHeartPainter&>(p).GetHearts()[0].depth; }},
        {"Rain", 3, [] { return std::make_unique<CRainPainter>(100, 10); },
         [](CEffectPainter& p) { return static_cast<CRainPainter&>(p).GetDrops()[0].depth; }},
    };
    for (const auto& c : kZeroDepth) {
        SCOPED_TRACE(c.name);
        std::srand(SeedGiving(0, c.position));
        std::unique_ptr<CEffectPainter> painter = c.make();
        painter->Load();
        EXPECT_EQ(c.firstDepth(*painter), 1);
        painter->Update(20000);
    }
}

}  // namespace
