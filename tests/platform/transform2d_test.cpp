#include "platform/transform2d.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

CTransform2D Rotated(double degrees) { return CTransform2D(0, 0, 1, 1, 1, degrees); }

void ExpectRect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST(Transform2D, RotationCountsOnlyBeyondATolerance) {
    struct Case {
        double degrees;
        bool rotated;
    };
    const Case cases[] = {
        {0, false},      {360, false},   {-720, false}, {0.0005, false}, {-0.001, false},
        {720.0005, false}, {359.9995, true}, {0.002, true}, {-90, true},   {180, true},
        // Either side of the tolerance and of a whole turn, and NaN.
        {0.001, false},    {0.0010001, true}, {-0.0010001, true}, {-359.9995, true},
        {359.9999999, true}, {360.0009, false}, {-360.0009, false}, {360.002, true},
        {std::nan(""), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Rotated(c.degrees).IsRotated(), c.rotated) << c.degrees;
    }
    EXPECT_TRUE(CTransform2D(0, 0, 1, 1.0009, 0.9995, 0).IsUnscaled());
    EXPECT_FALSE(CTransform2D(0, 0, 1, 1.002, 1, 0).IsUnscaled());
    EXPECT_FALSE(CTransform2D(0, 0, 1, 1, 0.998, 0).IsUnscaled());
}

TEST(Transform2D, MapRect) {
    struct Case {
        const char* name;
        CTransform2D t;
        RECT in;
        RECT out;
    };
    const Case cases[] = {
        {"half a pixel right rounds up", {0.5, 0, 1, 1, 1, 0}, {0, 0, 10, 10}, {1, 0, 11, 10}},
        {"half a pixel left rounds away from zero", {-0.5, 0, 1, 1, 1, 0}, {0, 0, 10, 10},
         {-1, 0, 10, 10}},
        {"less than half", {0.4, -0.4, 1, 1, 1, 0}, {0, 0, 10, 10}, {0, 0, 10, 10}},
        {"zoom within the tolerance only translates", {3, 4, 1, 1.0005, 0.9995, 360},
         {0, 0, 1000, 1000}, {3, 4, 1003, 1004}},
        {"zoom beyond the tolerance scales", {0, 0, 1, 1.002, 1, 0}, {0, 0, 1000, 1000},
         {0, 0, 1002, 1000}},
        {"scaled and translated", {3, 4, 1, 2, 0.5, 0}, {1, 2, 5, 7}, {5, 5, 13, 8}},
        {"negative zoom is not normalised", {0, 0, 1, -1, 1, 0}, {0, 0, 10, 10},
         {0, 0, -10, 10}},
        {"quarter turn", {100, 50, 1, 1, 1, 90}, {0, 0, 10, 20}, {80, 50, 100, 60}},
        {"eighth turn grows to whole pixels", {0, 0, 1, 1, 1, 45}, {0, 0, 10, 10},
         {-8, 0, 8, 15}},
        {"negative angle", {0, 0, 1, 1, 1, -135}, {-3, -3, 3, 3}, {-5, -5, 5, 5}},
        {"rotated, scaled and translated", {20.25, -3.5, 1, 2, 0.5, 30}, {-4, 2, 6, 10},
         {10, -7, 31, 7}},
        {"359.9995 degrees is a rotation", {7, 7, 1, 1.5, 1.5, 359.9995}, {0, 0, 10, 10},
         {7, 6, 23, 22}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RECT r = c.in;
        RECT returned = c.t.MapRect(r);
        ExpectRect(r, c.out.left, c.out.top, c.out.right, c.out.bottom);
        ExpectRect(returned, c.out.left, c.out.top, c.out.right, c.out.bottom);
    }
}

TEST(Transform2D, MapPointTruncatesTowardsZero) {
    struct Case {
        CTransform2D t;
        POINT in;
        POINT out;
    };
    const Case cases[] = {
        {{0.9, -0.9, 1, 1, 1, 0}, {2, -2}, {2, -2}},  // 2.9 and -2.9
        {{10, 20, 1, 1.5, 0.5, 0}, {3, 5}, {14, 22}},
        {{100, 50, 1, 1, 1, 90}, {10, 0}, {100, 60}},
        {{-5.5, 3.25, 1, 2, 3, 30}, {7, -4}, {12, 0}},  // 12.62, -0.14
        {{0, 0, 1, 1, 1, 210}, {10, 10}, {-3, -13}},    // -3.66, -13.66
        // Far beyond the int range: held at its edges.
        {{0, 0, 1, 65535, 65535, 0}, {100000, -100000}, {2147483647, -2147483647 - 1}},
    };
    for (const Case& c : cases) {
        POINT p = c.in;
        c.t.MapPoint(p);
        EXPECT_EQ(p.x, c.out.x);
        EXPECT_EQ(p.y, c.out.y);
        int x = c.in.x;
        int y = c.in.y;
        c.t.MapPoint(x, y);
        EXPECT_EQ(x, c.out.x);
        EXPECT_EQ(y, c.out.y);
    }
}

TEST(Transform2D, MapSegmentKeepsFractions) {
    double points[4] = {1, 2, -3, 0.5};
    CTransform2D(0.25, -1, 1, 1.5, 2, 0).MapSegment(points);
    EXPECT_DOUBLE_EQ(points[0], 1.75);
    EXPECT_DOUBLE_EQ(points[1], 3);
    EXPECT_DOUBLE_EQ(points[2], -4.25);
    EXPECT_DOUBLE_EQ(points[3], 0);

    double turned[4] = {10, 0, 0, 10};
    CTransform2D(1, 1, 1, 1, 1, 90).MapSegment(turned);
    EXPECT_NEAR(turned[0], 1, 1e-12);
    EXPECT_NEAR(turned[1], 11, 1e-12);
    EXPECT_NEAR(turned[2], -9, 1e-12);
    EXPECT_NEAR(turned[3], 1, 1e-12);
}

TEST(Transform2D, InverseMapPointUndoesMapping) {
    const CTransform2D transforms[] = {
        {10, 20, 1, 2, 4, 0},
        {-5.5, 3.25, 1, 2, 3, 30},
        {100, 50, 1, 0.5, 1.5, -250},
    };
    for (const CTransform2D& t : transforms) {
        double p[4] = {3.25, -1.5, 0, 0};
        t.MapSegment(p);
        t.InverseMapPoint(p[0], p[1]);
        EXPECT_NEAR(p[0], 3.25, 1e-9);
        EXPECT_NEAR(p[1], -1.5, 1e-9);
    }
}

TEST(Transform2D, InverseMapPoint) {
    struct Case {
        CTransform2D t;
        POINT in;
        double outX;
        double outY;
        POINT out;  // truncated
    };
    const Case cases[] = {
        {{10, 20, 1, 2, 4, 0}, {14, 28}, 2, 2, {2, 2}},
        {{100, 50, 1, 1, 1, 90}, {100, 60}, 10, 0, {10, 0}},
        {{0, 0, 1, 1, 4, 0}, {-7, 9}, -7, 2.25, {-7, 2}},
        // A zoom of 0 gives the largest int instead of a division.
        {{1, 2, 1, 0, 2, 0}, {5, 8}, 2147483647.0, 3, {2147483647, 3}},
        {{0, 0, 1, 1, 0, 0}, {5, 8}, 5, 2147483647.0, {5, 2147483647}},
    };
    for (const Case& c : cases) {
        double x = c.in.x;
        double y = c.in.y;
        c.t.InverseMapPoint(x, y);
        EXPECT_NEAR(x, c.outX, 1e-12);
        EXPECT_NEAR(y, c.outY, 1e-12);
        POINT p = c.in;
        c.t.InverseMapPoint(p);
        EXPECT_EQ(p.x, c.out.x);
        EXPECT_EQ(p.y, c.out.y);
    }
}

TEST(Transform2D, ComposeOfTheIdentityGivesTheChild) {
    const CTransform2D children[] = {
        {1, 2, 0.5, 2, 3, 30},
        {-7.25, 0, 0, 0.5, 0.25, -400},
        {0, 0, 1, 1, 1, 0},
    };
    for (const CTransform2D& child : children) {
        CTransform2D t = kIdentity;
        t.Compose(child);
        EXPECT_EQ(t.x, child.x);
        EXPECT_EQ(t.y, child.y);
        EXPECT_EQ(t.opacity, child.opacity);
        EXPECT_EQ(t.zoomX, child.zoomX);
        EXPECT_EQ(t.zoomY, child.zoomY);
        EXPECT_EQ(t.rotation, child.rotation);
    }
}

TEST(Transform2D, ComposePlacesTheChildInTheParentsOuterCoordinates) {
    CTransform2D t(10, 20, 0.5, 2, 3, 90);
    t.Compose(CTransform2D(1, 2, 0.5, 0.5, 2, 30));
    // (1, 2) scaled to (2, 6), turned a quarter to (-6, 2).
    EXPECT_NEAR(t.x, 4, 1e-12);
    EXPECT_NEAR(t.y, 22, 1e-12);
    EXPECT_DOUBLE_EQ(t.opacity, 0.25);
    EXPECT_DOUBLE_EQ(t.zoomX, 1);
    EXPECT_DOUBLE_EQ(t.zoomY, 6);
    EXPECT_DOUBLE_EQ(t.rotation, 120);

    // A parent turned by a whole turn does not turn the child's offset.
    CTransform2D whole(10, 20, 1, 2, 3, 360);
    whole.Compose(CTransform2D(1, 2, 1, 1, 1, 0));
    EXPECT_DOUBLE_EQ(whole.x, 12);
    EXPECT_DOUBLE_EQ(whole.y, 26);

    // With an even parent zoom, mapping by the composition equals mapping
    // by the child, then by the parent.
    const CTransform2D parent(-3, 7.5, 1, 2, 2, 40);
    const CTransform2D child(4, -1, 1, 1.5, 0.5, 75);
    CTransform2D composed = parent;
    composed.Compose(child);
    double once[4] = {2.5, -6, 11, 3};
    double twice[4] = {2.5, -6, 11, 3};
    composed.MapSegment(once);
    child.MapSegment(twice);
    parent.MapSegment(twice);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(once[i], twice[i], 1e-9) << i;
}

}  // namespace
