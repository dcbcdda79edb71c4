// Painting the balloon picture: region fills and frames reduced from double
// resolution, the soft edges, the radial fill and the stroke edges, against
// pixel values worked out from their formulas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "support/error_recorder.h"
#include "text/balloon/balloon_painting.h"
#include "text/balloon/balloon_shape.h"
#include "text/balloon/shape_regions.h"
#include "text/balloon/soft_ellipse.h"

namespace {

void MakePicture(CMemorySurface& picture, int width, int height) {
    ASSERT_EQ(0, picture.Create(width, height));
    // Every pixel must be overwritten by the painting.
    for (int i = 0; i < width * height; ++i) picture.GetPixels()[i] = 0x5A5A5A5A;
}

std::vector<Color32> Pixels(const CMemorySurface& picture) {
    int width, height;
    picture.GetSize(width, height);
    return std::vector<Color32>(picture.GetPixels(), picture.GetPixels() + width * height);
}

// Paints a picture of the given size with the regions given.
std::vector<Color32> Paint(int width, int height, int shape, int style, Color32 fill,
                           Color32 edge, const CGdiRegion& paint, const CGdiRegion& hit) {
    CMemorySurface picture;
    MakePicture(picture, width, height);
    BalloonPaintInput input;
    input.shape = shape;
    input.style = style;
    input.fill = fill;
    input.edge = edge;
    input.paint = &paint;
    input.hit = &hit;
    PaintBalloonShape(picture, input);
    return Pixels(picture);
}

// 100 x 60 with the shape rectangle (16, 16)-(84, 44) in picture pixels.
std::vector<Color32> PaintBox(int style, Color32 fill, Color32 edge,
                              const CGdiRegion& paint = MakeRectRegion(32, 32, 168, 88)) {
    return Paint(100, 60, kShapeRectangle, style, fill, edge, paint,
                 MakeScaledRegion(paint, 0.5f));
}

bool InBox(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x < right && y >= top && y < bottom;
}

TEST(BalloonPainting, FilledRectangle) {
    // Column 16 holds the region's x = 33 only: half its block, alpha 96.
    std::vector<Color32> pixels =
        PaintBox(kStyleNone, 0xC0112233, 0xFF000000, MakeRectRegion(33, 32, 168, 88));
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 100; ++x) {
            Color32 expected = 0x00112233;
            if (InBox(x, y, 17, 16, 84, 44)) expected = 0xC0112233;
            if (x == 16 && y >= 16 && y < 44) expected = 0x60112233;
            ASSERT_EQ(expected, pixels[y * 100 + x]) << x << "," << y;
        }
    }
}

TEST(BalloonPainting, InvisibleFillWithoutEdgeIsTransparent) {
    for (int style : {kStyleNone, kStyleVivide, kStyleFade, kStyleShadow}) {
        std::vector<Color32> pixels = PaintBox(style, 0x00FFFFFF, 0x00FF0000);
        for (Color32 p : pixels) ASSERT_EQ(0u, p) << style;
    }
}

TEST(BalloonPainting, VivideWithInvisibleEdgePaintsAsNone) {
    std::srand(11);
    BalloonShapeInput shape;
    shape.shape = kShapeCloud;
    shape.width = 120;
    shape.height = 80;
    shape.tail = true;
    BalloonShapeRegions regions = BuildShapeRegion(shape);
    EXPECT_EQ(Paint(120, 80, kShapeCloud, kStyleNone, 0xE0406080, 0x00000000, regions.paint,
                    regions.hit),
              Paint(120, 80, kShapeCloud, kStyleVivide, 0xE0406080, 0x00000000, regions.paint,
                    regions.hit));
}

TEST(BalloonPainting, FillAndFrameDrawsAOnePixelEdgeLine) {
    // Fill opaque blue, edge half-opaque red. The frame covers the outer
    // picture pixel of the box: edge colour at the edge's coverage. Outside
    // the region the work surface kept the fill colour at coverage 0.
    std::vector<Color32> pixels = PaintBox(kStyleVivide, 0xFF0000FF, 0x80FF0000);
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 100; ++x) {
            Color32 expected = 0x000000FF;
            if (InBox(x, y, 16, 16, 84, 44)) expected = 0x80FF0000;
            if (InBox(x, y, 17, 17, 83, 43)) expected = 0xFF0000FF;
            ASSERT_EQ(expected, pixels[y * 100 + x]) << x << "," << y;
        }
    }
    // Edge only: the frame alone in the edge colour.
    std::vector<Color32> frame = PaintBox(kStyleVivide, 0x000000FF, 0x80FF0000);
    EXPECT_EQ(0x80FF0000u, frame[16 * 100 + 40]);
    EXPECT_EQ(0x00FF0000u, frame[30 * 100 + 40]);
}

// One row of the soft edge's blur far from the box's corners: the 2D
// filters act on it as a 1D filter of the row.
std::vector<uint32_t> BlurredRow(bool fade, int passes) {
    std::vector<uint32_t> a(100, 0), b(100, 0);
    for (int x = 16; x < 84; ++x) a[x] = 255;
    for (int k = 0; k < passes; ++k) {
        const std::vector<uint32_t>& src = k % 2 == 0 ? a : b;
        std::vector<uint32_t>& dest = k % 2 == 0 ? b : a;
        for (int x = 1; x < 99; ++x) {
            dest[x] = fade ? (3 * src[x - 1] + 2 * src[x] + 3 * src[x + 1]) >> 3
                           : (2 * src[x - 1] + 2 * src[x]) >> 2;
        }
    }
    return passes % 2 == 0 ? a : b;
}

TEST(BalloonPainting, FadeAndShadowOverAnInvisibleFill) {
    for (bool fade : {true, false}) {
        std::vector<Color32> pixels =
            PaintBox(fade ? kStyleFade : kStyleShadow, 0x00FFFFFF, 0xFF336699);
        std::vector<uint32_t> row = BlurredRow(fade, fade ? 8 : 4);
        for (int x = 0; x < 100; ++x) {
            // Coverage m goes behind a clear pixel with alpha 255 m >> 8.
            uint32_t m = row[x];
            if (x >= 16 && x < 84) m = 0;  // nothing under the shape
            if (x == 16 || x == 83) m = 128;  // but the border line
            // A weight of 0 leaves the pixel clear.
            uint32_t alpha = 255 * m >> 8;
            Color32 expected = alpha ? (alpha << 24 | 0x336699) : 0;
            EXPECT_EQ(expected, pixels[30 * 100 + x]) << fade << " x " << x;
        }
        // Inside the border nothing at all.
        EXPECT_EQ(0u, pixels[30 * 100 + 50]);
        EXPECT_EQ(0x7F336699u, pixels[16 * 100 + 50]);
    }
}

TEST(BalloonPainting, ShadowStandsTwoPixelsRightAndDown) {
    std::vector<Color32> pixels = PaintBox(kStyleShadow, 0x00FFFFFF, 0xFF000000);
    // Left of and above the box there is no shadow; right of and below it
    // the shadow reaches four pixels, its middle two pixels out.
    EXPECT_EQ(0u, pixels[30 * 100 + 15]);
    EXPECT_EQ(0u, pixels[15 * 100 + 50]);
    EXPECT_NE(0u, pixels[30 * 100 + 85] >> 24);
    EXPECT_NE(0u, pixels[45 * 100 + 50] >> 24);
    EXPECT_EQ(0u, pixels[30 * 100 + 88]);
    EXPECT_EQ(0u, pixels[48 * 100 + 50]);
    // Pixel 85 is worked as in the row model.
    std::vector<uint32_t> row = BlurredRow(false, 4);
    EXPECT_EQ((255 * row[85] >> 8) << 24, pixels[30 * 100 + 85]);
}

TEST(BalloonPainting, SoftEllipse) {
    CMemorySurface picture;
    MakePicture(picture, 100, 60);
    FillSoftEllipse(picture, 0xC8112233, 1.0, 2);
    const struct {
        int x, y;
        Color32 expected;
    } cases[] = {
        {50, 30, 0xC8112233},  // centre: alpha A
        {0, 30, 0x00112233},   // end of the axis: v = 255, alpha 0
        {50, 0, 0x00112233},
        {25, 30, 0xC8112233},  // v = 63: 15, 0, 255, 255: flat top
        {10, 30, 0x5F112233},  // v = 163: 104, 42, 213, 177, 122; 122 x 200 / 255 = 95
        {50, 5, 0x46112233},   // R = 354, v = 177: 122, 58, 197, 152, 90; 70
        {0, 0, 0x00112233},    // v = 510 > 255
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, picture.GetPixel(c.x, c.y)) << c.x << "," << c.y;
    }
    // Reach 0 leaves the picture alone.
    CMemorySurface untouched;
    MakePicture(untouched, 10, 10);
    FillSoftEllipse(untouched, 0xFFFFFFFF, 0.0, 2);
    EXPECT_EQ(0x5A5A5A5Au, untouched.GetPixel(5, 5));
}

BalloonShapeRegions EllipseRegions(int shape, int width, int height) {
    BalloonShapeInput input;
    input.shape = shape;
    input.width = width;
    input.height = height;
    return BuildShapeRegion(input);
}

TEST(BalloonPainting, StrokeEdgesStayInTheirRing) {
    // Shape, least and greatest relative radius of the strokes' ends.
    const struct {
        int shape;
        double inner, outer;
    } cases[] = {
        {kShapeUrchin, 0.8, 1.0},      {kShapePopUrchin, 0.8, 0.95},
        {kShapePeakedUrchin, 0.5, 1.0}, {kShapeHuskyUrchin, 0.61, 1.09},
        {kShapeBurst, 0.51, 1.09},     {kShapeGas, 0.6, 0.89},
    };
    const int width = 200, height = 120, a = 100, b = 60;
    for (const auto& c : cases) {
        BalloonShapeRegions regions = EllipseRegions(c.shape, width, height);
        std::srand(21);
        std::vector<Color32> pixels = Paint(width, height, c.shape, kStyleVivide, 0x00FFFFFF,
                                            0xFF000000, regions.paint, regions.hit);
        std::srand(21);
        std::vector<Color32> none = Paint(width, height, c.shape, kStyleNone, 0x00FFFFFF,
                                          0xFF000000, regions.paint, regions.hit);
        for (Color32 p : none) ASSERT_EQ(0u, p) << c.shape;
        // Pens and discs reach a few pixels past the strokes' ends.
        const double slack = 6.0 / b;
        int covered = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if ((pixels[y * width + x] >> 24) == 0) continue;
                ++covered;
                double r = std::hypot((x - a) / double(a), (y - b) / double(b));
                ASSERT_GE(r, c.inner - slack) << c.shape << " at " << x << "," << y;
                ASSERT_LE(r, c.outer + slack) << c.shape << " at " << x << "," << y;
            }
        }
        EXPECT_GT(covered, 100) << c.shape;
    }
}

// HuskyUrchin's and Burst's strokes replayed from the seed: per stroke p's
// step, q's step, inner, outer, the inner test and its amount, the outer
// test and its amount. A step unit of 0 is the angle between two strokes.
struct DriftReplay {
    int shape;
    int pModulus, qModulus;
    double pUnit, qUnit, scale;
    double innerWaves, innerAmplitude, innerBase;
    double outerWaves, outerAmplitude, outerBase;
    int outerOdds;
};

TEST(BalloonPainting, DriftingStrokesStartWhereTheirRandomNumbersSay) {
    const DriftReplay cases[] = {
        {kShapeHuskyUrchin, 5000, 2500, 0.0012566370614359172, 0.0025132741228718345, 1.0, 48,
         0.001, 0.8, 64, 0.001, 0.9, 5},
        {kShapeBurst, 100, 100, 0, 0, 0.01, 24, 0.001, 0.7, 32, 0.002, 0.8, 3},
    };
    const int width = 200, height = 120, a = 100, b = 60;
    const double pi = 3.141592653589793;
    const int count = static_cast<int>((width + height) * pi);
    for (const DriftReplay& c : cases) {
        SCOPED_TRACE(c.shape);
        BalloonShapeRegions regions = EllipseRegions(c.shape, width, height);
        std::srand(33);
        std::vector<Color32> pixels = Paint(width, height, c.shape, kStyleVivide, 0x00FFFFFF,
                                            0xFF000000, regions.paint, regions.hit);
        std::srand(33);
        const double angle = 2 * pi / count;
        const double pUnit = c.pUnit != 0 ? c.pUnit : angle;
        const double qUnit = c.qUnit != 0 ? c.qUnit : angle;
        double p = (std::rand() % 1000) * 0.006283185307179587;
        double q = (std::rand() % 1000) * 0.006283185307179587;
        double innermost = 2;
        int pulledIn = 0;
        for (int i = 0; i < count; ++i) {
            p += (std::rand() % c.pModulus) * pUnit * c.scale;
            q += (std::rand() % c.qModulus) * qUnit * c.scale;
            double inner = (std::rand() % 100) * std::sin(c.innerWaves * q) * c.innerAmplitude + c.innerBase;
            double outer = (std::rand() % 100) * std::sin(c.outerWaves * p) * c.outerAmplitude + c.outerBase;
            if (std::rand() % 5 == 0) {
                inner -= (std::rand() % 10) * 0.01;
                ++pulledIn;
            }
            if (std::rand() % c.outerOdds == 0) outer += (std::rand() % 10) * 0.01;
            innermost = std::min(innermost, inner);
            // The stroke begins on the pixel of its inner end (a stroke whose
            // ends share a pixel draws nothing).
            const double t = i * 2 * pi / count;
            const int x = static_cast<int>((inner * std::cos(t) + 1) * a);
            const int y = static_cast<int>((inner * std::sin(t) + 1) * b);
            const int xOuter = static_cast<int>((outer * std::cos(t) + 1) * a);
            const int yOuter = static_cast<int>((outer * std::sin(t) + 1) * b);
            if (x == xOuter && y == yOuter) continue;
            ASSERT_NE(0u, pixels[y * width + x] >> 24) << "stroke " << i << " at " << x << "," << y;
        }
        EXPECT_GT(pulledIn, count / 10);
        // Nothing reaches further in than the innermost stroke.
        const double slack = 2.0 / b;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if ((pixels[y * width + x] >> 24) == 0) continue;
                ASSERT_GE(std::hypot((x - a) / double(a), (y - b) / double(b)), innermost - slack)
                    << x << "," << y;
            }
        }
    }
}

TEST(BalloonPainting, MistNeverGetsAnEdge) {
    BalloonShapeRegions regions = EllipseRegions(kShapeMist, 120, 80);
    std::vector<Color32> plain =
        Paint(120, 80, kShapeMist, kStyleNone, 0xFF808080, 0xFF000000, regions.paint, regions.hit);
    for (int style : {kStyleVivide, kStyleFade, kStyleShadow}) {
        EXPECT_EQ(plain, Paint(120, 80, kShapeMist, style, 0xFF808080, 0xFF000000, regions.paint,
                               regions.hit));
    }
}

TEST(BalloonPainting, UnknownStyleOnRegionShapes) {
    InstallErrorRecorder();
    ClearRecordedErrors();
    CMemorySurface picture;
    MakePicture(picture, 100, 60);
    CGdiRegion paint = MakeRectRegion(32, 32, 168, 88);
    CGdiRegion hit = MakeScaledRegion(paint, 0.5f);
    BalloonPaintInput input;
    input.shape = kShapeRectangle;
    input.style = 0;
    input.fill = 0xFFFFFFFF;
    input.paint = &paint;
    input.hit = &hit;
    EXPECT_THROW(PaintBalloonShape(picture, input), CInternalError);
    ASSERT_EQ(1u, RecordedErrors().size());
    EXPECT_EQ(2005, RecordedErrors()[0].module);
    EXPECT_EQ(150, RecordedErrors()[0].place);
    // The stroke-edged shapes take any style.
    ClearRecordedErrors();
    input.shape = kShapeGas;
    PaintBalloonShape(picture, input);
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(BalloonPainting, EveryCodeAndStyleBuildsAndPaints) {
    InstallErrorRecorder();
    ClearRecordedErrors();
    const struct {
        int width, height;
    } sizes[] = {{200, 120}, {32, 32}};
    for (const auto& size : sizes) {
        for (int shape = 1; shape <= kShapeCount; ++shape) {
            for (int style = kStyleNone; style <= kStyleShadow; ++style) {
                for (bool tail : {false, true}) {
                    std::srand(shape + 100 * style);
                    BalloonShapeInput input;
                    input.shape = shape;
                    input.width = size.width;
                    input.height = size.height;
                    input.tail = tail;
                    input.tailAngle = 135;
                    BalloonShapeRegions regions = BuildShapeRegion(input);
                    std::vector<Color32> pixels =
                        Paint(size.width, size.height, shape, style, 0xF2FFFFFF, 0xFF000000,
                              regions.paint, regions.hit);
                    if (size.width == 200 && shape != kShapeRimEllipse && shape != kShapeRimRect) {
                        // The middle is filled.
                        EXPECT_NE(0u, pixels[60 * 200 + 100] >> 24) << shape << " " << style;
                    }
                }
            }
        }
    }
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
