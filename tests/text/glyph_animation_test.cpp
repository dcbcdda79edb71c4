#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>

#include "platform/error_report.h"
#include "support/error_recorder.h"
#include "text/glyph_animation.h"

namespace {

const double kPi = std::acos(-1.0);

// The appearing worked out by hand: offset, opacity and zooms.
struct Look {
    double dx, dy, opacity, zoomX, zoomY;
};

struct StyleCase {
    int style;
    const char* name;
    // The look at t for a glyph of the given height, the font size 24 and
    // the typing clock.
    std::function<Look(double t, int height, int clock)> look;
};

const int kSize = 24;

const StyleCase kStyles[] = {
    {kTypeNormal, "Normal", [](double, int, int) { return Look{0, 0, 1, 1, 1}; }},
    {kTypeSpit, "Spit",
     [](double t, int, int) {
         const double c = std::cos(t * kPi / 2);
         return Look{0, 0, 1 - c, 2 * c + 1, 2 * c + 1};
     }},
    {kTypeBang, "Bang", [](double t, int, int) { return Look{0, 0, 1, 2 - t * t, 2 - t * t}; }},
    {kTypeJump, "Jump",
     [](double t, int, int) { return Look{0, std::trunc(-8 * std::sin(t * kPi)), 1, 1, 1}; }},
    {kTypeFade, "Fade", [](double t, int, int) { return Look{0, 0, 1 - std::cos(t * kPi / 2), 1, 1}; }},
    {kTypeShutter, "Shutter",
     [](double t, int, int) {
         const double z = std::sin(t * kPi / 2);
         return Look{0, 0, 1, z, z};
     }},
    {kTypeFlicker, "Flicker",
     [](double t, int, int) {
         const double z = 1 + std::sin(t * 2 * kPi);
         return Look{0, 0, 1, z, z};
     }},
    {kTypeStretch, "Stretch",
     [](double t, int, int) {
         const double z = 1 + 0.5 * std::sin(t * 2 * kPi);
         return Look{0, 0, 1, z, z};
     }},
    {kTypeOffCenter, "OffCenter",
     [](double t, int, int clock) {
         std::srand(static_cast<unsigned>(clock));
         const int r = 1 + static_cast<int>(32 * (1 - t));
         const int m = static_cast<int>(16 * (1 - t));
         const int dx = std::rand() % r - m;
         const int dy = std::rand() % r - m;
         return Look{double(dx), double(dy), t, 1, 1};
     }},
    {kTypeRise, "Rise",
     [](double t, int height, int) {
         return Look{0, std::trunc(std::cos(t * kPi / 2) * height), std::sin(t * kPi / 2), 1, 1};
     }},
    {kTypeWave, "Wave",
     [](double t, int, int) { return Look{0, std::trunc(-3 * std::sin(t * 2 * kPi)), 1, 1, 1}; }},
    {kTypeSpring, "Spring",
     [](double t, int, int) {
         const double s = std::sin(t * kPi);
         return Look{0.2 * kSize * s, 0, 1, 1 + 1.2 * s, 1};
     }},
    {kTypeSplash, "Splash",
     [](double t, int, int) {
         const double s = std::sin(t * kPi);
         return Look{0.25 * kSize * s, -0.25 * kSize * s, 1, 1 + 0.3 * s, 1 + 0.3 * s};
     }},
};

// A 21 x 30 glyph whose top-left corner the placement puts at (100, 50);
// odd sizes check that the half sizes are truncated.
const RECT kGlyph = {7, 3, 28, 33};
const int kHalfWidth = 10;
const int kHalfHeight = 15;

CTransform2D GlyphCorner() { return CTransform2D(100, 50, 0.5, 1, 1, 0); }

// Every style stepped by 17 ms frames through a 200 ms appearing: the
// placement is the corner, scaled and faded about the glyph's centre and
// moved by the offset scaled by the zoom, and the answer is the time left.
TEST(GlyphAnimation, EveryStyleFrameByFrame) {
    const int speed = 200;
    for (const StyleCase& c : kStyles) {
        SCOPED_TRACE(c.name);
        for (int clock = 1000, elapsed = 0; elapsed < speed; clock += 17, elapsed += 17) {
            SCOPED_TRACE(elapsed);
            CTransform2D placement = GlyphCorner();
            const GlyphMotion motion{c.style, speed, kSize, clock};
            const int left = ApplyGlyphAnimation(motion, elapsed, &placement, kGlyph);
            const Look look = c.look(double(elapsed) / speed, kGlyph.bottom - kGlyph.top, clock);
            EXPECT_EQ(left, speed - elapsed + (c.style == kTypeBang ? 250 : 0));
            EXPECT_NEAR(placement.x, 100 + kHalfWidth + (look.dx - kHalfWidth) * look.zoomX, 1e-9);
            EXPECT_NEAR(placement.y, 50 + kHalfHeight + (look.dy - kHalfHeight) * look.zoomY, 1e-9);
            EXPECT_NEAR(placement.opacity, 0.5 * look.opacity, 1e-12);
            EXPECT_NEAR(placement.zoomX, look.zoomX, 1e-12);
            EXPECT_NEAR(placement.zoomY, look.zoomY, 1e-12);
            EXPECT_EQ(placement.rotation, 0);
        }
    }
}

// At or past the speed, and with no speed at all, every style leaves the
// glyph where and as it is: Bang too, whose 250 ms only lengthen the typing.
TEST(GlyphAnimation, EndsAtTheSpeed) {
    const struct {
        int speed, elapsed;
    } kEnds[] = {{200, 200}, {200, 350}, {0, 0}, {0, 40}};
    for (const StyleCase& c : kStyles) {
        for (const auto& end : kEnds) {
            CTransform2D placement = GlyphCorner();
            EXPECT_EQ(ApplyGlyphAnimation({c.style, end.speed, kSize, 5}, end.elapsed, &placement, kGlyph), 0)
                << c.name;
            EXPECT_EQ(placement.x, 100);
            EXPECT_EQ(placement.y, 50);
            EXPECT_EQ(placement.opacity, 0.5);
            EXPECT_EQ(placement.zoomX, 1);
            EXPECT_EQ(placement.zoomY, 1);
        }
    }
}

// Points worth seeing plainly: Jump is 8 px up halfway, Wave 3 px up at a
// quarter, Shutter starts at zoom 0 (invisible).
TEST(GlyphAnimation, LandmarkFrames) {
    const RECT square = {0, 0, 20, 20};
    CTransform2D jump(0, 0, 1, 1, 1, 0);
    ApplyGlyphAnimation({kTypeJump, 200, kSize, 0}, 100, &jump, square);
    EXPECT_DOUBLE_EQ(jump.y, -8);
    CTransform2D wave(0, 0, 1, 1, 1, 0);
    ApplyGlyphAnimation({kTypeWave, 200, kSize, 0}, 50, &wave, square);
    EXPECT_DOUBLE_EQ(wave.y, -3);
    CTransform2D shutter(0, 0, 1, 1, 1, 0);
    ApplyGlyphAnimation({kTypeShutter, 200, kSize, 0}, 0, &shutter, square);
    EXPECT_EQ(shutter.zoomX, 0);
    EXPECT_EQ(shutter.zoomY, 0);
}

TEST(GlyphAnimation, AnimationTimeFromTheStart) {
    EXPECT_EQ(GlyphAnimationTime({kTypeFade, 200, kSize, 0}, kGlyph), 200);
    EXPECT_EQ(GlyphAnimationTime({kTypeBang, 200, kSize, 0}, kGlyph), 450);
    EXPECT_EQ(GlyphAnimationTime({kTypeBang, 0, kSize, 0}, kGlyph), 0);
}

// A style outside 1..13 ends the game while a glyph is animating, and not
// once its appearing is over.
TEST(GlyphAnimation, UnknownStyleIsAnInternalError) {
    for (int style : {0, 14, -1}) {
        ClearRecordedErrors();
        CTransform2D placement = GlyphCorner();
        EXPECT_THROW(ApplyGlyphAnimation({style, 200, kSize, 0}, 10, &placement, kGlyph), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
        EXPECT_EQ(RecordedErrors()[0].module, kModuleTextNode);
        EXPECT_EQ(RecordedErrors()[0].place, 2955);
        EXPECT_EQ(ApplyGlyphAnimation({style, 200, kSize, 0}, 200, &placement, kGlyph), 0);
    }
    ClearRecordedErrors();
}

}  // namespace
