// Balloon shape geometry at exact coordinates, worked out by hand from the
// shape rectangle (32, 32)-(2W - 32, 2H - 32) of the double-resolution space.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "region_probe.h"
#include "text/balloon/balloon_shape.h"
#include "text/balloon/shape_regions.h"

namespace {

BalloonShapeRegions Build(int shape, int width, int height, bool tail = false, int angle = 0) {
    BalloonShapeInput input;
    input.shape = shape;
    input.width = width;
    input.height = height;
    input.tail = tail;
    input.tailAngle = angle;
    return BuildShapeRegion(input);
}

CGdiRegion Polygon(const std::vector<POINT>& points) { return MakePolygonRegion(points); }

void ExpectBox(const CGdiRegion& region, RECT expected) {
    RECT box = region.GetBox();
    EXPECT_EQ(expected.left, box.left);
    EXPECT_EQ(expected.top, box.top);
    EXPECT_EQ(expected.right, box.right);
    EXPECT_EQ(expected.bottom, box.bottom);
}

TEST(BalloonShapeNames, ExactNamesGiveTheirCodes) {
    const struct {
        const char* name;
        int code;
    } cases[] = {
        {"Rectangle", 1},      {"Pentagon", 2},   {"Cloud", 25},       {"Strike", 30},
        {"ExactShockRect", 56}, {"RimRect", 80},  {"Mist", 81},        {"Urchin", 82},
        {"Gas", 87},           {"urchin", 0},     {"Rectangle ", 0},   {"", 0},
        {"DoubleEllipse", 77}, {"JaggedCircle", 59}, {"SplashEllipse", 74},
    };
    for (const auto& c : cases) EXPECT_EQ(c.code, FindShapeCode(c.name)) << c.name;
}

TEST(BalloonShapeNames, EveryCodeHasOneName) {
    std::vector<int> seen(kShapeCount + 1, 0);
    const char* const names[] = {
        "Rectangle", "Pentagon", "Octagon", "Polygon", "Ellipse", "Dumpling", "Potato", "Clay",
        "PolyRect", "Ice", "Rock", "StrainRect", "Emerald", "RoundRect", "AngleRect",
        "DropEllipse", "DropDumpling", "DropPotato", "DropClay", "ThinkEllipse",
        "ThinkDumpling", "ThinkPotato", "ThinkClay", "ThinkCloud", "Cloud", "Star", "FatStar",
        "Pool", "Explode", "Strike", "Wart", "Lump", "RippleEllipse", "RippleRect",
        "FlickerRect", "FlickerEllipse", "WormEllipse", "WormRect", "StepEllipse", "StepRect",
        "NumbEllipse", "NumbRect", "NoiseEllipse", "HNoiseEllipse", "VNoiseEllipse",
        "ExactNoiseEllipse", "HNoiseRect", "VNoiseRect", "ExactNoiseRect", "ShockEllipse",
        "HShockEllipse", "VShockEllipse", "ExactShockEllipse", "HShockRect", "VShockRect",
        "ExactShockRect", "BlockEllipse", "BlockRect", "JaggedCircle", "JaggedRect",
        "TearEllipse", "TearRect", "SpineEllipse", "SpineRect", "SawEllipse", "SawRect",
        "FlowerEllipse", "FlowerRect", "HollyEllipse", "HollyRect", "PlosiveEllipse",
        "PlosiveRect", "PrickleEllipse", "SplashEllipse", "LackEllipse", "LackRect",
        "DoubleEllipse", "DoubleRect", "RimEllipse", "RimRect", "Mist", "Urchin", "PopUrchin",
        "PeakedUrchin", "HuskyUrchin", "Burst", "Gas"};
    for (int i = 0; i < kShapeCount; ++i) EXPECT_EQ(i + 1, FindShapeCode(names[i])) << names[i];
}

TEST(BalloonShapeNames, EdgeStyles) {
    const struct {
        const char* name;
        int style;
    } cases[] = {{"None", 1}, {"Vivide", 2}, {"Fade", 3}, {"Shadow", 4},
                 {"Vivid", 0}, {"none", 0}, {"", 0}};
    for (const auto& c : cases) EXPECT_EQ(c.style, ParseBalloonStyle(c.name)) << c.name;
}

TEST(BalloonShapeGeometry, RectangleRegionsAndTail) {
    BalloonShapeRegions plain = Build(kShapeRectangle, 100, 60);
    EXPECT_TRUE(SameRegion(plain.paint, MakeRectRegion(32, 32, 168, 88)));
    EXPECT_TRUE(SameRegion(plain.hit, MakeRectRegion(16, 16, 84, 44)));

    // Anchor (68, 28): x clamped to W - 32, y raised to 32 and then lowered
    // to H - 32; the corners (60, 36), (100, 28), (60, 20) doubled.
    BalloonShapeRegions tailed = Build(kShapeRectangle, 100, 60, true, 0);
    CGdiRegion expected = MakeRectRegion(32, 32, 168, 88);
    expected.Combine(Polygon({{120, 72}, {200, 56}, {120, 40}}), RGN_OR);
    EXPECT_TRUE(SameRegion(tailed.paint, expected));
    EXPECT_TRUE(SameRegion(tailed.hit, MakeScaledRegion(expected, 0.5f)));
}

TEST(BalloonShapeGeometry, TailDirections) {
    // At 90 degrees the tip (50, -4) is clamped to the top edge, at 180 it
    // reaches x = 0, at 270 the bottom edge. A polygon's region leaves out
    // the row of its apex at the top; at 270 cos is a hair below zero and
    // the tip lands at x = 49, 98 doubled.
    const struct {
        int angle;
        RECT box;
        POINT tip;
    } cases[] = {
        {0, {32, 32, 200, 88}, {190, 56}},
        {90, {32, 1, 168, 88}, {100, 8}},
        {180, {0, 32, 168, 88}, {10, 56}},
        {270, {32, 32, 168, 120}, {98, 110}},
    };
    for (const auto& c : cases) {
        BalloonShapeRegions regions = Build(kShapeRectangle, 100, 60, true, c.angle);
        ExpectBox(regions.paint, c.box);
        EXPECT_TRUE(Inside(regions.paint, c.tip.x, c.tip.y)) << c.angle;
    }
}

TEST(BalloonShapeGeometry, PolygonCorners) {
    // 200 x 120: shape rectangle (32, 32) 336 x 176, halves 168 and 88.
    EXPECT_TRUE(SameRegion(Build(kShapeAngleRect, 200, 120).paint,
                           Polygon({{96, 32}, {304, 32}, {368, 96}, {368, 144}, {304, 208},
                                    {96, 208}, {32, 144}, {32, 96}})));
    // Corner j at j * 72 + 180 degrees: corner 0 on the left, away from a
    // tail at 0 degrees.
    EXPECT_TRUE(SameRegion(Build(kShapePentagon, 200, 120).paint,
                           Polygon({{32, 120}, {148, 36}, {335, 68}, {335, 171}, {148, 203}})));
    // cos 270 degrees and sin 360 degrees come out a hair below zero, so
    // those corners truncate to 199 and 119.
    EXPECT_TRUE(SameRegion(Build(kShapeOctagon, 200, 120).paint,
                           Polygon({{32, 120}, {81, 57}, {199, 32}, {318, 57}, {368, 119},
                                    {318, 182}, {200, 208}, {81, 182}})));
}

TEST(BalloonShapeGeometry, EllipseRoundRectAndLumpBoxes) {
    // GDI's elliptic regions end one pixel inside the right and bottom
    // sides of their rectangle, and so do round rectangles.
    const struct {
        int shape;
        RECT box;
    } cases[] = {
        {kShapeEllipse, {32, 32, 367, 207}},
        {kShapeRoundRect, {32, 32, 367, 207}},
        {kShapeThinkEllipse, {48, 48, 351, 191}},
        {kShapeLump, {32, 32, 367, 207}},
    };
    for (const auto& c : cases) ExpectBox(Build(c.shape, 200, 120).paint, c.box);
    // Lump: the upper ellipse ends at y = 190, the lower one spans x 65..300.
    CGdiRegion lump = MakeEllipseRegion(32, 32, 368, 190);
    lump.Combine(MakeEllipseRegion(65, 67, 300, 208), RGN_OR);
    EXPECT_TRUE(SameRegion(Build(kShapeLump, 200, 120).paint, lump));
    EXPECT_TRUE(SameRegion(Build(kShapeRoundRect, 200, 120).paint,
                           MakeRoundRectRegion(32, 32, 368, 208, 64, 64)));
}

TEST(BalloonShapeGeometry, DoubleAndRimRingsAlongTheMiddleRow) {
    using Runs = std::vector<std::pair<int, int>>;
    EXPECT_EQ((Runs{{32, 36}, {40, 360}, {364, 368}}),
              RowRuns(Build(kShapeDoubleRect, 200, 120).paint, 120));
    EXPECT_EQ((Runs{{32, 36}, {364, 368}}), RowRuns(Build(kShapeRimRect, 200, 120).paint, 120));
    // The ellipses' right ends stand one pixel in, as GDI makes them.
    EXPECT_EQ((Runs{{32, 36}, {40, 359}, {363, 367}}),
              RowRuns(Build(kShapeDoubleEllipse, 200, 120).paint, 120));
    EXPECT_EQ((Runs{{32, 36}, {363, 367}}),
              RowRuns(Build(kShapeRimEllipse, 200, 120).paint, 120));
}

TEST(BalloonShapeGeometry, ThinkBubbleCentres) {
    // Angle 0 at 200 x 120: anchor (352, 120), s = 5; the bubbles of radius
    // 6, 8 and 16 stand at (392, 110), (376, 115) and (352, 120).
    CGdiRegion expected = MakeEllipseRegion(48, 48, 352, 192);
    expected.Combine(MakeEllipseRegion(386, 104, 398, 116), RGN_OR);
    expected.Combine(MakeEllipseRegion(368, 107, 384, 123), RGN_OR);
    expected.Combine(MakeEllipseRegion(336, 104, 368, 136), RGN_OR);
    EXPECT_TRUE(SameRegion(Build(kShapeThinkEllipse, 200, 120, true, 0).paint, expected));
    // At 180 degrees s turns to -5: the bubbles stand mirrored on the left.
    // Anchor (48, 120); the centres (8, 110), (24, 115), (48, 120).
    BalloonShapeRegions left = Build(kShapeThinkEllipse, 200, 120, true, 180);
    EXPECT_TRUE(Inside(left.paint, 8, 110));
    EXPECT_TRUE(Inside(left.paint, 24, 115));
    EXPECT_EQ(2, left.paint.GetBox().left);
}

TEST(BalloonShapeGeometry, TextAreaModes) {
    const struct {
        int shape;
        int width, height;
    } cases[] = {
        {kShapeEllipse, 118, 62},  // trunc(336 k), trunc(176 k)
        {kShapeRectangle, 136, 56},  // W - 64, H - 64
        {kShapeStar, 70, 42},  // trunc(200 k), trunc(120 k)
        {kShapeBurst, 70, 42},
        {kShapeMist, 118, 62},
    };
    for (const auto& c : cases) {
        BalloonShapeRegions regions = Build(c.shape, 200, 120);
        EXPECT_TRUE(regions.hasTextArea);
        EXPECT_EQ(c.width, regions.textWidth) << c.shape;
        EXPECT_EQ(c.height, regions.textHeight) << c.shape;
    }
}

TEST(BalloonShapeGeometry, RandomDrawsInOrder) {
    // StrainRect: eight draws, corner by corner clockwise from the top left,
    // x before y, each moving the corner inward.
    std::srand(1234);
    BalloonShapeRegions strained = Build(kShapeStrainRect, 200, 120);
    std::srand(1234);
    int d[8];
    for (int& v : d) v = std::rand() % 24;
    EXPECT_TRUE(SameRegion(strained.paint, Polygon({{32 + d[0], 32 + d[1]},
                                                    {368 - d[2], 32 + d[3]},
                                                    {368 - d[4], 208 - d[5]},
                                                    {32 + d[6], 208 - d[7]}})));
    // PolyRect at 200 x 120: w = 336 keeps its x, h = 176 scales y by
    // 176 / 300 on a box of 300.
    std::srand(99);
    BalloonShapeRegions poly = Build(kShapePolyRect, 200, 120);
    std::srand(99);
    int j[24];
    for (int& v : j) v = std::rand() % 16;
    auto Y = [](int v) { return v * 176 / 300 + 32; };
    EXPECT_TRUE(SameRegion(
        poly.paint,
        Polygon({{j[0] + 96 + 32, Y(j[1])}, {336 - j[2] - 96 + 32, Y(j[3])},
                 {336 - j[4] - 24 + 32, Y(j[5] + 24)}, {336 - j[6] + 32, Y(j[7] + 96)},
                 {336 - j[8] + 32, Y(300 - j[9] - 96)}, {336 - j[10] - 24 + 32, Y(300 - j[11] - 24)},
                 {336 - j[12] - 96 + 32, Y(300 - j[13])}, {j[14] + 96 + 32, Y(300 - j[15])},
                 {j[16] + 24 + 32, Y(300 - j[17] - 24)}, {j[18] + 32, Y(300 - j[19] - 96)},
                 {j[20] + 32, Y(j[21] + 96)}, {j[22] + 24 + 32, Y(j[23] + 24)}})));
}

}  // namespace
