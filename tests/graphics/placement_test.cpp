#include "graphics/placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Placement, VisibleOnlyAboveTheThresholds) {
    const struct {
        double opacity, zoomX, zoomY;
        bool visible;
    } cases[] = {
        {1, 1, 1, true},         {0.0011, 1, 1, true},  {0.001, 1, 1, false},
        {1, 0.001, 1, false},    {1, 1, 0.001, false},  {1, 0.0011, 0.0011, true},
        {kNaN, 1, 1, false},     {1, kNaN, 1, false},   {-1, 1, 1, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsPlacementVisible(CTransform2D(0, 0, c.opacity, c.zoomX, c.zoomY, 0)), c.visible)
            << c.opacity << " " << c.zoomX << " " << c.zoomY;
    }
}

TEST(Placement, OpacityByteTruncatesAndCaps) {
    const struct {
        double opacity;
        int byte;
    } cases[] = {
        {1.0, 255},   {0.5, 127},    {0.502, 128}, {128.0 / 255.0, 128}, {0.753, 192},
        {0.003, 0},   {0.0039, 0},   {0.004, 1},   {1.5, 255},           {1e300, 255},
        {0.0, 0},     {-0.5, 0},     {kNaN, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(OpacityByte(c.opacity), c.byte) << c.opacity;
}

// Corners worked out from X = u cos - v sin + x x 65536, Y = v cos + u sin +
// y x 65536 on the zoomed box, truncated towards zero. The cosine of 90
// degrees and the sine of 180 are not exactly 0 in doubles, which shows in
// the truncation of the 180-degree corner (-65535.99999999994 gives -65535).
TEST(Placement, RotatedCornersTurnAboutThePlacementPoint) {
    struct Case {
        const char* what;
        CTransform2D placement;
        double width, height;
        FixedPoint corners[4];
    };
    const Case cases[] = {
        {"unrotated", CTransform2D(3, 4, 1, 1, 1, 0), 10 * 65536.0 - 1, 5 * 65536.0 - 1,
         {{196608, 262144}, {851967, 262144}, {851967, 589823}, {196608, 589823}}},
        {"quarter turn", CTransform2D(10, 2, 1, 1, 1, 90), 4 * 65536.0 - 1, 3 * 65536.0 - 1,
         {{655360, 131072}, {655360, 393215}, {458753, 393215}, {458753, 131072}}},
        {"half turn, zoomed", CTransform2D(-1.5, 0, 1, 2, 0.5, 180), 4 * 65536.0, 2 * 65536.0,
         {{-98304, 0}, {-622592, 0}, {-622592, -65535}, {-98304, -65536}}},
        {"far away", CTransform2D(1e6, -1e6, 1, 1, 1, 0), 65536.0, 65536.0,
         {{INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MIN},
          {INT32_MAX, INT32_MIN}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FixedPoint corners[4];
        ComputeRotatedCorners(c.placement, c.width, c.height, corners);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(corners[i].x, c.corners[i].x) << "corner " << i;
            EXPECT_EQ(corners[i].y, c.corners[i].y) << "corner " << i;
        }
    }
}

}  // namespace
