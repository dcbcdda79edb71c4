#include "graphics/image_placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Kind = ImageBlitKind;
using W = ImageBlitWeighting;

struct Case {
    const char* what;
    CTransform2D placement;
    bool useSourceAlpha;
    Kind kind;
    W weighting;
    int opacity;
    int x, y;  // one to one only
};

CTransform2D Place(double x, double y, double opacity, double zoom = 1, double rotation = 0) {
    return CTransform2D(x, y, opacity, zoom, zoom, rotation);
}

TEST(ChooseImageBlit, PicksTheBlitByRotationZoomOpacityAndSourceAlpha) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {"opaque", Place(3, 2, 1.0), false, Kind::OneToOne, W::Opaque, 255, 3, 2},
        {"opacity 0.502 is the half blit", Place(3, 2, 0.502), false, Kind::OneToOne, W::Half, 128, 3, 2},
        {"opacity 0.5 is byte 127", Place(3, 2, 0.5), false, Kind::OneToOne, W::Opacity, 127, 3, 2},
        {"128/255 is the half blit", Place(3, 2, 128.0 / 255), false, Kind::OneToOne, W::Half, 128, 3, 2},
        {"source alpha", Place(3, 2, 1.0), true, Kind::OneToOne, W::Alpha, 255, 3, 2},
        {"source alpha at byte 128", Place(3, 2, 0.502), true, Kind::OneToOne, W::AlphaOpacity, 128, 3, 2},
        {"source alpha at 0.5", Place(3, 2, 0.5), true, Kind::OneToOne, W::AlphaOpacity, 127, 3, 2},
        {"opacity above 1", Place(3, 2, 7.0), false, Kind::OneToOne, W::Opaque, 255, 3, 2},
        {"x 10.5 rounds to 11", Place(10.5, -10.5, 1.0), false, Kind::OneToOne, W::Opaque, 255, 11, -11},
        {"x -10.5 rounds to -11", Place(-10.5, 10.4, 1.0), false, Kind::OneToOne, W::Opaque, 255, -11, 10},
        {"rotation 360.0004", Place(3, 2, 1.0, 1, 360.0004), false, Kind::OneToOne, W::Opaque, 255, 3, 2},
        {"rotation -360", Place(3, 2, 1.0, 1, -360), false, Kind::OneToOne, W::Opaque, 255, 3, 2},
        {"rotation 720", Place(3, 2, 1.0, 1, 720), false, Kind::OneToOne, W::Opaque, 255, 3, 2},
        {"zoom 1.0005 is unit", Place(2.5, 1.6, 1.0, 1.0005), false, Kind::OneToOne, W::Opaque, 255, 3, 2},
        {"zoom 1.002 stretches", Place(3, 2, 1.0, 1.002), false, Kind::Scaled, W::Opaque, 255, 0, 0},
        {"no half when stretched", Place(3, 2, 0.502, 1.002), false, Kind::Scaled, W::Opacity, 128, 0, 0},
        {"stretched with alpha", Place(3, 2, 1.0, 2), true, Kind::Scaled, W::Alpha, 255, 0, 0},
        {"stretched with alpha at 127", Place(3, 2, 0.5, 2), true, Kind::Scaled, W::AlphaOpacity, 127, 0, 0},
        {"rotation 0.002", Place(3, 2, 1.0, 1, 0.002), false, Kind::Rotated, W::Opaque, 255, 0, 0},
        {"rotation -30", Place(3, 2, 1.0, 1, -30), false, Kind::Rotated, W::Opaque, 255, 0, 0},
        {"no half when rotated", Place(3, 2, 0.502, 1, 45), false, Kind::Rotated, W::Opacity, 128, 0, 0},
        {"rotated with alpha", Place(3, 2, 1.0, 1, 45), true, Kind::Rotated, W::Alpha, 255, 0, 0},
        {"rotated with alpha at 127", Place(3, 2, 0.5, 1, 45), true, Kind::Rotated, W::AlphaOpacity, 127, 0, 0},
        {"opacity 0.003 truncates to 0", Place(3, 2, 0.003), false, Kind::None, W::Opaque, 0, 0, 0},
        {"opacity 0.003 rotated", Place(3, 2, 0.003, 1, 45), true, Kind::None, W::Opaque, 0, 0, 0},
        {"opacity 0.001", Place(3, 2, 0.001), false, Kind::None, W::Opaque, 0, 0, 0},
        {"zoom 0.001", Place(3, 2, 1.0, 0.001), false, Kind::None, W::Opaque, 0, 0, 0},
        {"zoom 0.001 rotated", Place(3, 2, 1.0, 0.001, 45), false, Kind::None, W::Opaque, 0, 0, 0},
        {"NaN opacity", Place(3, 2, nan), false, Kind::None, W::Opaque, 0, 0, 0},
        {"NaN zoom", Place(3, 2, 1.0, nan), false, Kind::None, W::Opaque, 0, 0, 0},
    };
    CMemorySurface src;
    ASSERT_EQ(src.Create(8, 6), 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ImageBlit b = ChooseImageBlit(src, c.placement, c.useSourceAlpha, nullptr);
        EXPECT_EQ(b.kind, c.kind);
        if (c.kind == Kind::None) continue;
        EXPECT_EQ(b.weighting, c.weighting);
        EXPECT_EQ(b.opacity, c.opacity);
        if (c.kind == Kind::OneToOne) {
            EXPECT_EQ(b.x, c.x);
            EXPECT_EQ(b.y, c.y);
        }
    }
}

TEST(ChooseImageBlit, AnEmptyRectangleDrawsNothing) {
    CMemorySurface src;
    ASSERT_EQ(src.Create(8, 6), 0);
    const RECT empty = {2, 1, 2, 5};
    EXPECT_EQ(ChooseImageBlit(src, Place(3, 2, 1.0), false, &empty).kind, Kind::None);
    EXPECT_EQ(ChooseImageBlit(src, Place(3, 2, 1.0, 1.5), false, &empty).kind, Kind::None);
    // A zoom that leaves less than a pixel still stretches.
    const RECT narrow = {2, 1, 3, 5};
    EXPECT_EQ(ChooseImageBlit(src, Place(3, 2, 1.0, 0.01), false, &narrow).kind, Kind::Scaled);
}

TEST(PlaceImage, UnrotatedRectanglesAreRoundedOnlyAtUnitZoom) {
    CMemorySurface src;
    ASSERT_EQ(src.Create(8, 6), 0);
    double r[4];
    int opacity = -1;
    ASSERT_TRUE(PlaceImageUnrotated(src, Place(2.5, -1.5, 1.0, 1.0005), nullptr, r, opacity));
    EXPECT_EQ(opacity, 255);
    EXPECT_EQ(r[0], 3.0);
    EXPECT_EQ(r[1], -2.0);
    EXPECT_EQ(r[2], 11.0);
    EXPECT_EQ(r[3], 5.0);

    const RECT part = {1, 2, 5, 5};
    ASSERT_TRUE(PlaceImageUnrotated(src, CTransform2D(3.25, 2, 0.5, 1.5, 2, 0), &part, r, opacity));
    EXPECT_EQ(opacity, 127);
    EXPECT_DOUBLE_EQ(r[0], 3.25);
    EXPECT_DOUBLE_EQ(r[1], 2.0);
    EXPECT_DOUBLE_EQ(r[2], 3.25 + 6.0);
    EXPECT_DOUBLE_EQ(r[3], 2.0 + 6.0);

    EXPECT_FALSE(PlaceImageUnrotated(src, Place(0, 0, 0.003), nullptr, r, opacity));
}

TEST(PlaceImage, RotatedCornersInSixteenSixteen) {
    CMemorySurface src;
    ASSERT_EQ(src.Create(8, 6), 0);
    FixedPoint source[4], dest[4];
    int opacity = -1;
    const RECT part = {1, 2, 5, 6};
    // A quarter turn about (20, 10) of a box 4 x 65536 - 1 units wide and high.
    ASSERT_TRUE(PlaceImageRotated(src, Place(20, 10, 0.75, 1, 90), &part, source, dest, opacity));
    EXPECT_EQ(opacity, 191);
    const FixedPoint sourceExpected[4] = {
        {65536, 131072}, {327679, 131072}, {327679, 393215}, {65536, 393215}};
    const FixedPoint destExpected[4] = {
        {1310720, 655360}, {1310720, 917503}, {1048577, 917503}, {1048577, 655360}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(source[i].x, sourceExpected[i].x) << i;
        EXPECT_EQ(source[i].y, sourceExpected[i].y) << i;
        EXPECT_EQ(dest[i].x, destExpected[i].x) << i;
        EXPECT_EQ(dest[i].y, destExpected[i].y) << i;
    }
    // The whole source, unturned (rotation 0, where sin is exact): its last pixel's column and row end one
    // unit before 8 and 6.
    ASSERT_TRUE(PlaceImageRotated(src, Place(0, 0, 1.0, 1, 0), nullptr, source, dest, opacity));
    EXPECT_EQ(source[2].x, 524287);
    EXPECT_EQ(source[2].y, 393215);
    EXPECT_EQ(dest[2].x, 524287);
    EXPECT_EQ(dest[2].y, 393215);
    EXPECT_FALSE(PlaceImageRotated(src, Place(0, 0, 0.003, 1, 45), nullptr, source, dest, opacity));
}

}  // namespace
