// Every shape code built at several sizes and tail settings: regions that
// hold together, hit regions at half scale, outlines within the reach their
// formulas allow, symmetric plain figures, the shapes without a tail, drop
// tips and patterns turned with the tail.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "region_probe.h"
#include "support/error_recorder.h"
#include "text/balloon/balloon_shape.h"
#include "text/balloon/shape_regions.h"

namespace {

BalloonShapeRegions Build(int shape, int width, int height, bool tail, int angle) {
    BalloonShapeInput input;
    input.shape = shape;
    input.width = width;
    input.height = height;
    input.tail = tail;
    input.tailAngle = angle;
    return BuildShapeRegion(input);
}

// How far past the shape rectangle an outline may reach: radial excess over
// D of the ellipse walks (scaled by the larger half-axis / D), and offsets in
// 2x units that the rectangle walks and x/y bursts add directly.
struct Reach {
    int radial;
    int direct;
};

Reach ReachOf(int shape) {
    switch (shape) {
    case kShapeDumpling: case kShapeRippleEllipse: return {8, 0};
    case kShapePotato: case kShapeStrike: case kShapePlosiveEllipse: return {48, 0};
    case kShapeClay: return {16, 0};
    case kShapeDropEllipse: case kShapeDropPotato: return {96, 0};
    case kShapeDropDumpling: return {104, 0};
    case kShapeDropClay: return {112, 0};
    case kShapeExplode: case kShapeSpineEllipse: return {64, 0};
    case kShapeSawEllipse: case kShapeNoiseEllipse: return {32, 0};
    case kShapeExactNoiseEllipse: return {92, 0};
    case kShapeShockEllipse: return {112, 0};
    case kShapeExactShockEllipse: return {72, 0};
    case kShapeHNoiseEllipse: case kShapeVNoiseEllipse: return {0, 16};
    case kShapeHShockEllipse: case kShapeVShockEllipse: return {0, 38};
    case kShapeFlickerEllipse: return {0, 9};
    case kShapeTearEllipse: return {0, 4};
    case kShapeHNoiseRect: case kShapeVNoiseRect: return {0, 4};
    case kShapeExactNoiseRect: return {0, 36};
    case kShapeHShockRect: return {0, 15};
    case kShapeVShockRect: return {0, 23};
    case kShapeExactShockRect: return {0, 23};
    case kShapeCloud: case kShapeThinkCloud: return {0, 32};  // puffs stay inside 2W x 2H
    // Ice's corners lie 8 balloon pixels inside the box, jittered by 16;
    // Emerald cuts 16 past its corners; the stars reach 0.99 of W / 2.
    case kShapeIce: case kShapeStar: case kShapeFatStar: return {0, 32};
    case kShapeEmerald: return {0, 16};
    case kShapePlosiveRect: return {0, 1};  // truncation toward zero of x - 24.x
    default: return {0, 0};
    }
}

RECT AllowedBox(int shape, int width, int height) {
    const int w = 2 * width - 64, h = 2 * height - 64;
    const double D = std::floor(std::hypot(w, h));
    Reach reach = ReachOf(shape);
    // Splash's fan: rays of w/4 + L from a centre w/4 off the middle, L up
    // to 15 + 3 trunc(hypot(w, h) / 32).
    if (shape == kShapeSplashEllipse) reach.direct = 16 + 3 * static_cast<int>(std::hypot(w, h) * 0.03125);
    const int m = (reach.radial ? static_cast<int>(std::ceil(reach.radial * std::max(w, h) / 2 / D)) + 1 : 0) +
                  reach.direct;
    return RECT{32 - m, 32 - m, 2 * width - 32 + m, 2 * height - 32 + m};
}

bool IsRim(int shape) { return shape == kShapeRimEllipse || shape == kShapeRimRect; }

bool WithinBox(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(BalloonShapeSweep, EveryCodeBuildsWithinItsReach) {
    InstallErrorRecorder();
    ClearRecordedErrors();
    const struct {
        int width, height;
    } sizes[] = {{200, 120}, {800, 600}, {120, 200}};
    for (const auto& size : sizes) {
        for (int shape = 1; shape <= kShapeCount; ++shape) {
            for (bool tail : {false, true}) {
                for (int angle : {30, 200}) {
                    std::srand(shape * 7 + angle);
                    BalloonShapeRegions r = Build(shape, size.width, size.height, tail, angle);
                    SCOPED_TRACE(testing::Message() << "shape " << shape << " tail " << tail
                                                    << " angle " << angle << " size "
                                                    << size.width << "x" << size.height);
                    ASSERT_FALSE(r.paint.IsEmpty());
                    EXPECT_TRUE(r.hasTextArea);
                    EXPECT_EQ(!IsRim(shape), Inside(r.paint, size.width, size.height));
                    // The hit region is the paint region at half scale, where
                    // spikes one pixel thin may vanish.
                    RECT paint = r.paint.GetBox(), hit = r.hit.GetBox();
                    EXPECT_TRUE(WithinBox(hit, RECT{paint.left / 2 - 1, paint.top / 2 - 1,
                                                    paint.right / 2 + 1, paint.bottom / 2 + 1}));
                    EXPECT_EQ(!IsRim(shape),
                              Inside(r.hit, size.width / 2, size.height / 2));
                    RECT allowed = AllowedBox(shape, size.width, size.height);
                    if (tail) {
                        allowed.left = std::min<LONG>(allowed.left, 0);
                        allowed.top = std::min<LONG>(allowed.top, 0);
                        allowed.right = std::max<LONG>(allowed.right, 2 * size.width);
                        allowed.bottom = std::max<LONG>(allowed.bottom, 2 * size.height);
                    }
                    EXPECT_TRUE(WithinBox(paint, allowed))
                        << paint.left << "," << paint.top << "," << paint.right << ","
                        << paint.bottom;
                }
            }
        }
    }
    EXPECT_TRUE(RecordedErrors().empty());
}

// Whether two rows' runs match end for end within a pixel.
bool RunsAlike(const std::vector<std::pair<int, int>>& a,
               const std::vector<std::pair<int, int>>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::abs(a[i].first - b[i].first) > 1 || std::abs(a[i].second - b[i].second) > 1) {
            return false;
        }
    }
    return true;
}

// The runs of a row, mirrored about the middle of [0, width).
std::vector<std::pair<int, int>> Mirrored(std::vector<std::pair<int, int>> runs, int width) {
    for (auto& run : runs) run = {width - run.second, width - run.first};
    std::reverse(runs.begin(), runs.end());
    return runs;
}

TEST(BalloonShapeSweep, PlainFiguresAreSymmetric) {
    // GDI rasterises the right and lower sides of ellipses and polygons a
    // pixel short, so the mirror images agree to within a pixel.
    for (int shape : {kShapeRectangle, kShapeEllipse, kShapeRoundRect, kShapeAngleRect,
                      kShapeDoubleEllipse, kShapeDoubleRect, kShapeRimEllipse, kShapeRimRect}) {
        CGdiRegion paint = Build(shape, 200, 120, false, 0).paint;
        for (int y = 32; y < 120; y += 3) {
            auto row = RowRuns(paint, y);
            EXPECT_TRUE(RunsAlike(row, Mirrored(row, 400))) << shape << " row " << y;
            auto below = RowRuns(paint, 239 - y);
            bool alike = RunsAlike(row, below) || RunsAlike(row, RowRuns(paint, 238 - y));
            EXPECT_TRUE(alike) << shape << " rows " << y << " and " << 239 - y;
        }
    }
}

TEST(BalloonShapeSweep, ShapesWithoutTail) {
    for (int shape : {kShapeStar, kShapeFatStar, kShapeSawEllipse, kShapePlosiveEllipse,
                      kShapeStrike, kShapeDropEllipse, kShapeDropClay}) {
        std::srand(5);
        CGdiRegion off = Build(shape, 200, 120, false, 45).paint;
        std::srand(5);
        CGdiRegion on = Build(shape, 200, 120, true, 45).paint;
        EXPECT_TRUE(SameRegion(off, on)) << shape;
    }
    // The stroke-edged shapes take their look from painting: no tail either.
    for (int shape = kShapeMist; shape <= kShapeGas; ++shape) {
        EXPECT_TRUE(SameRegion(Build(shape, 200, 120, true, 45).paint,
                               MakeEllipseRegion(32, 32, 368, 208)))
            << shape;
    }
}

TEST(BalloonShapeSweep, DropTipsPointAtTheTailAngleWithTheSwitchOff) {
    for (int shape : {kShapeDropEllipse, kShapeDropDumpling, kShapeDropPotato, kShapeDropClay}) {
        const struct {
            int angle;
            POINT probe;
        } cases[] = {{0, {385, 120}}, {180, {15, 120}}, {90, {200, 20}}, {270, {200, 220}}};
        for (const auto& c : cases) {
            std::srand(3);
            BalloonShapeRegions r = Build(shape, 200, 120, false, c.angle);
            EXPECT_TRUE(Inside(r.paint, c.probe.x, c.probe.y)) << shape << " " << c.angle;
        }
    }
}

TEST(BalloonShapeSweep, PatternsTurnWithTheTail) {
    // The same build with another tail angle gives another outline.
    for (int shape : {kShapeSpineEllipse, kShapeSawEllipse, kShapeFlowerEllipse, kShapeExplode}) {
        CGdiRegion base = Build(shape, 300, 300, false, 0).paint;
        CGdiRegion turned = Build(shape, 300, 300, false, 7).paint;
        EXPECT_FALSE(SameRegion(base, turned)) << shape;
    }
}

TEST(BalloonShapeSweep, SmallestBalloons) {
    InstallErrorRecorder();
    ClearRecordedErrors();
    for (int shape = 1; shape <= kShapeCount; ++shape) {
        for (bool tail : {false, true}) {
            std::srand(shape);
            Build(shape, 32, 32, tail, 30);
        }
    }
    EXPECT_TRUE(RecordedErrors().empty());
    // The figures made from the empty shape rectangle, and every ellipse walk
    // (D = 0), are empty without their tail.
    for (int shape : {kShapeRectangle, kShapeEllipse, kShapeRoundRect, kShapeThinkEllipse,
                      kShapeLump, kShapeDoubleEllipse, kShapeDoubleRect, kShapeRimEllipse,
                      kShapeRimRect, kShapeDumpling, kShapePotato, kShapeClay, kShapeDropEllipse,
                      kShapeDropDumpling, kShapeDropPotato, kShapeDropClay, kShapeThinkPotato,
                      kShapeExplode, kShapeStrike, kShapeRippleEllipse, kShapeSpineEllipse,
                      kShapeHollyEllipse, kShapePrickleEllipse, kShapeNoiseEllipse,
                      kShapeShockEllipse, kShapeMist, kShapeGas}) {
        std::srand(1);
        EXPECT_TRUE(Build(shape, 32, 32, false, 30).paint.IsEmpty()) << shape;
    }
}

TEST(BalloonShapeSweep, UnknownCodeEndsTheGame) {
    InstallErrorRecorder();
    for (int shape : {0, 88, -1}) {
        ClearRecordedErrors();
        EXPECT_THROW(Build(shape, 200, 120, false, 0), CInternalError);
        ASSERT_EQ(1u, RecordedErrors().size());
        EXPECT_EQ(2004, RecordedErrors()[0].module);
        EXPECT_EQ(811, RecordedErrors()[0].place);
        EXPECT_EQ(ErrorKind::Internal, RecordedErrors()[0].kind);
    }
}

}  // namespace
