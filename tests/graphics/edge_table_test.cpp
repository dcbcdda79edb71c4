#include "graphics/edge_table.h"

#include <gtest/gtest.h>

#include "surface_contents.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "graphics/polygon_fill.h"
#include "graphics/triangle_fill.h"
#include "simd_switches.h"

namespace {

using Points = PixelSet;

FixedPoint P(int x, int y) { return FixedPoint{x << 16, y << 16}; }

Points Where(int w, int h, const std::function<bool(int, int)>& inside) {
    Points out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (inside(x, y)) out.insert({x, y});
    return out;
}

TEST(EdgeTable, QuadrilateralsCoverBothEndRowsOfEveryEdge) {
    CMemorySurface s;
    ASSERT_EQ(s.Create(32, 32), 0);
    // An axis-aligned square from (10, 10) to (20, 20): 11 x 11 pixels; its
    // horizontal edges add nothing, the vertical ones cover their end rows.
    FillPolygonNormal(s, P(10, 10), P(20, 10), P(20, 20), P(10, 20), 0xFFFFFFFF, nullptr);
    EXPECT_EQ(ChangedPixels(s, 0), Where(32, 32, [](int x, int y) {
                  return x >= 10 && x <= 20 && y >= 10 && y <= 20;
              }));

    // The square turned by 45 degrees.
    s.Fill(0, nullptr);
    FillPolygonNormal(s, P(10, 5), P(15, 10), P(10, 15), P(5, 10), 0xFFFFFFFF, nullptr);
    EXPECT_EQ(ChangedPixels(s, 0), Where(32, 32, [](int x, int y) {
                  return std::abs(x - 10) + std::abs(y - 10) <= 5;
              }));

    // Wholly above the clip: nothing.
    s.Fill(0, nullptr);
    const RECT clip = {0, 25, 32, 32};
    FillPolygonNormal(s, P(1, 1), P(9, 1), P(9, 9), P(1, 9), 0xFFFFFFFF, &clip);
    EXPECT_TRUE(ChangedPixels(s, 0).empty());
}

TEST(EdgeTable, RowsBeyondTheTableAreNeverTouched) {
    CMemorySurface s;
    ASSERT_EQ(s.Create(40, 700), 0);
    FillPolygonNormal(s, P(5, 550), P(30, 550), P(30, 690), P(5, 690), 0xFFFFFFFF, nullptr);
    const Points changed = ChangedPixels(s, 0);
    EXPECT_EQ(changed, Where(40, 700, [](int x, int y) {
                  return x >= 5 && x <= 30 && y >= 550 && y <= 599;
              }));
    // Edges far outside any clip, above and below the table.
    const RECT everything = {-5000, -5000, 5000, 5000};
    ResetEdgeTable(-100, 5000);
    AddEdge(P(-3000, -3000), P(3000, 3000), everything);
    AddEdgeGouraud(P(0, -30000), P(10, 30000), 0xFF000000, 0xFFFFFFFF, everything);
    AddEdgeTextured(P(0, 590), P(0, 4000), P(0, 0), P(9, 9), everything);
    EXPECT_EQ(GetEdgeRow(599).rightX, 599);
    int left, right, count;
    EXPECT_FALSE(GetEdgeSpan(600, everything, left, right, count));
    EXPECT_FALSE(GetEdgeSpan(-1, everything, left, right, count));
}

TEST(EdgeTable, TexturedSpanStartsAtTheClipWithItsCoordinatesAdvanced) {
    const RECT all = {0, 0, 100, 100};
    BuildTexturedQuadEdges(all, P(0, 0), P(10, 0), P(10, 10), P(0, 10), P(0, 0), P(20, 0),
                           P(20, 20), P(0, 20));
    int left, right, count;
    int32_t u, v, uStep, vStep;
    ASSERT_TRUE(GetTexturedEdgeSpan(5, all, left, right, u, v, uStep, vStep, count));
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 10);
    EXPECT_EQ(u, 0);
    EXPECT_EQ(v, 10 << 16);
    EXPECT_EQ(uStep, 2 << 16);
    EXPECT_EQ(vStep, 0);

    const RECT clip = {3, 0, 8, 100};
    ASSERT_TRUE(GetTexturedEdgeSpan(5, clip, left, right, u, v, uStep, vStep, count));
    EXPECT_EQ(left, 3);
    EXPECT_EQ(right, 7);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(u, 6 << 16);
}

// The plain path, the reference; fill_paths_test.cpp compares the others.
TEST(PolygonFill, EveryModeFollowsItsChannelRule) {
    CScopedSimdSwitches plain(kPlainSwitches);
    struct Case {
        const char* what;
        void (*fill)(CMemorySurface&, FixedPoint, FixedPoint, FixedPoint, FixedPoint, Color32,
                     const RECT*);
        Color32 dest, colour, expected;
    };
    const Case cases[] = {
        {"Normal", FillPolygonNormal, 0x80808080, 0x40C0C0C0, 0x40C0C0C0},
        {"NormalAlpha", FillPolygonNormalAlpha, 0x80808080, 0x40C0C0C0, 0x808F8F8F},
        {"Add", FillPolygonAdd, 0x80808080, 0x40C0C0C0, 0x80FFFFFF},
        {"AddAlpha", FillPolygonAddAlpha, 0x80808080, 0x40C0C0C0, 0x80B0B0B0},
        {"Sub", FillPolygonSub, 0x80808080, 0x40C0C0C0, 0x80000000},
        {"SubAlpha", FillPolygonSubAlpha, 0x80808080, 0x40C0C0C0, 0x80505050},
        {"Multiply", FillPolygonMultiply, 0x80808080, 0x40C0C0C0, 0x805F5F5F},
        {"MultiplyAlpha", FillPolygonMultiplyAlpha, 0x80808080, 0x40C0C0C0, 0x80656565},
        {"Screen", FillPolygonScreen, 0x80808080, 0x40C0C0C0, 0x80E0E0E0},
        {"ScreenAlpha", FillPolygonScreenAlpha, 0x80808080, 0x40C0C0C0, 0x80999999},
        {"Overlay, dark", FillPolygonOverlay, 0x80808080, 0x40C0C0C0, 0x80BFBFBF},
        {"Overlay, light", FillPolygonOverlay, 0x80C8C8C8, 0xFF404040, 0x80ADADAD},
        {"OverlayAlpha", FillPolygonOverlayAlpha, 0x80808080, 0x40C0C0C0, 0x80909090},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CMemorySurface s;
        ASSERT_EQ(s.Create(4, 4), 0);
        s.Fill(c.dest, nullptr);
        c.fill(s, P(0, 0), P(1, 0), P(1, 1), P(0, 1), c.colour, nullptr);
        EXPECT_EQ(s.GetPixel(0, 0), c.expected);
        EXPECT_EQ(s.GetPixel(1, 1), c.expected);
        EXPECT_EQ(s.GetPixel(2, 2), c.dest);
    }
}

TEST(TriangleFill, FlatTrianglesFillThePixelsWhoseTopLeftCornerIsInside) {
    CMemorySurface s;
    ASSERT_EQ(s.Create(12, 12), 0);
    // The left and top edges are in, the right and bottom edges out.
    FillTriangle(s, P(2, 2), P(8, 2), P(2, 8), 0xFF00FF00, nullptr);
    EXPECT_EQ(ChangedPixels(s, 0), Where(12, 12, [](int x, int y) {
                  return y >= 2 && y < 8 && x >= 2 && x < 10 - y;
              }));
    // Corners between pixels: (2.5, 1.5), (9.25, 1.5), (2.5, 8.75); the
    // pixel (x, y) is in when 2.5 <= x, 1.5 <= y and its corner lies left
    // of the slanted edge: 7.25 (x - 2.5) + 6.75 (y - 1.5) < 6.75 x 7.25,
    // that is 2 (29 (2x - 5) + 27 (2y - 3)) < 27 x 29.
    s.Fill(0, nullptr);
    FillTriangle(s, FixedPoint{0x28000, 0x18000}, FixedPoint{0x94000, 0x18000},
                 FixedPoint{0x28000, 0x8C000}, 0xFF00FF00, nullptr);
    EXPECT_EQ(ChangedPixels(s, 0), Where(12, 12, [](int x, int y) {
                  return x >= 3 && y >= 2 && 2 * (29 * (2 * x - 5) + 27 * (2 * y - 3)) < 27 * 29;
              }));

    s.Fill(0x40102030, nullptr);
    FillTriangleAlpha(s, P(0, 0), P(3, 0), P(0, 3), 0x80FF8000, nullptr);
    // (d x 127 >> 8) + (c x 128 >> 8); the alpha byte stays.
    EXPECT_EQ(s.GetPixel(0, 0), 0x40864F17u);

    s.Fill(0, nullptr);
    FillTriangle(s, P(1, 4), P(6, 4), P(9, 4), 0xFFFFFFFF, nullptr);
    EXPECT_TRUE(ChangedPixels(s, 0).empty());
}

// Meshes of triangles that share edges and corners, with the outline of
// their union (convex, corners in order).
struct MeshCase {
    const char* what;
    std::vector<std::array<FixedPoint, 3>> triangles;
    std::vector<FixedPoint> outline;
};

FixedPoint F(double x, double y) {
    return FixedPoint{static_cast<int32_t>(std::lround(x * 65536)),
                      static_cast<int32_t>(std::lround(y * 65536))};
}

// A fan of triangles from the centre to the corners of the outline.
MeshCase Fan(const char* what, FixedPoint centre, const std::vector<FixedPoint>& outline) {
    MeshCase c{what, {}, outline};
    for (size_t i = 0; i < outline.size(); ++i)
        c.triangles.push_back({centre, outline[i], outline[(i + 1) % outline.size()]});
    return c;
}

// Which side of the line a to b the point lies on: the sign of the cross
// product, exact in 64 bits for these sizes.
int Side(FixedPoint a, FixedPoint b, int64_t x, int64_t y) {
    const int64_t cross = (int64_t(b.x) - a.x) * (y - a.y) - (int64_t(b.y) - a.y) * (x - a.x);
    return cross > 0 ? 1 : cross < 0 ? -1 : 0;
}

TEST(TriangleFill, AdjacentTrianglesFillEveryPixelOnce) {
    std::vector<MeshCase> cases;
    // A 4 x 4 grid of 10-pixel cells split along alternating diagonals.
    MeshCase grid{"grid", {}, {P(10, 10), P(50, 10), P(50, 50), P(10, 50)}};
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) {
            const FixedPoint a = P(10 + 10 * i, 10 + 10 * j), b = P(20 + 10 * i, 10 + 10 * j);
            const FixedPoint c = P(10 + 10 * i, 20 + 10 * j), d = P(20 + 10 * i, 20 + 10 * j);
            if ((i + j) % 2) {
                grid.triangles.push_back({a, b, d});
                grid.triangles.push_back({a, d, c});
            } else {
                grid.triangles.push_back({a, b, c});
                grid.triangles.push_back({b, d, c});
            }
        }
    }
    cases.push_back(grid);
    // Corners between pixels around a centre between pixels.
    std::vector<FixedPoint> heptagon;
    for (int k = 0; k < 7; ++k)
        heptagon.push_back(F(30.3 + 23.37 * std::cos(k * 0.8976), 31.7 + 21.61 * std::sin(k * 0.8976)));
    cases.push_back(Fan("fan with fractional corners", F(31.1, 29.45), heptagon));
    // Long slivers from one corner to points 0.7 pixels apart.
    MeshCase slivers{"slivers", {}, {F(0.5, 20.25), F(60, 0.1), F(60, 59.6)}};
    for (int k = 0; k < 85; ++k)
        slivers.triangles.push_back({F(0.5, 20.25), F(60, 0.1 + 0.7 * k), F(60, 0.1 + 0.7 * (k + 1))});
    cases.push_back(slivers);
    // Partly left of and above the surface.
    cases.push_back(Fan("cut by the surface", F(3.5, 2.25),
                        {F(-20.5, -9.75), F(25.25, -15.5), F(30.125, 20.5), F(-10.75, 25)}));

    for (const MeshCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<int> count(64 * 64, 0);
        CMemorySurface s;
        ASSERT_EQ(s.Create(64, 64), 0);
        for (const auto& t : c.triangles) {
            s.Fill(0, nullptr);
            FillTriangle(s, t[0], t[1], t[2], 0xFFFFFFFF, nullptr);
            for (const auto& p : ChangedPixels(s, 0)) ++count[p.second * 64 + p.first];
        }
        int inside = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                // Where the pixel's corner lies: inside the outline, outside
                // it, or on its border, where the edge's own rule decides.
                int sides = 0, on = 0;
                for (size_t i = 0; i < c.outline.size(); ++i) {
                    const int side = Side(c.outline[i], c.outline[(i + 1) % c.outline.size()],
                                          int64_t(x) << 16, int64_t(y) << 16);
                    sides += side;
                    on += side == 0;
                }
                const int n = count[y * 64 + x];
                ASSERT_LE(n, 1) << x << "," << y;
                if (on) continue;
                const bool in = std::abs(sides) == static_cast<int>(c.outline.size());
                inside += in;
                ASSERT_EQ(n, in ? 1 : 0) << x << "," << y;
            }
        }
        EXPECT_GT(inside, 300);
    }
}

TEST(TriangleFill, GouraudInterpolatesAlongEachRow) {
    CMemorySurface s;
    ASSERT_EQ(s.Create(12, 12), 0);
    s.Fill(0x11111111, nullptr);
    FillTriangleGouraud(s, P(0, 0), P(8, 0), P(0, 8), 0x00FF0000, 0x000000FF, 0x0000FF00,
                        nullptr);
    EXPECT_EQ(s.GetPixel(0, 0), 0x00FF0000u);
    EXPECT_EQ(s.GetPixel(8, 0), 0x000000FFu);
    EXPECT_EQ(s.GetPixel(4, 0), 0x007F007Fu);
    // The last row's span is one pixel: not drawn.
    EXPECT_EQ(s.GetPixel(0, 8), 0x11111111u);
    EXPECT_NE(s.GetPixel(0, 7), 0x11111111u);
}

TEST(TriangleFill, OutlineDrawsThreeLines) {
    CMemorySurface s;
    ASSERT_EQ(s.Create(12, 12), 0);
    DrawTriangleOutline(s, P(1, 1), P(9, 1), P(1, 9), 0xFFFFFFFF, nullptr);
    EXPECT_EQ(s.GetPixel(5, 1), 0xFFFFFFFFu);
    EXPECT_EQ(s.GetPixel(1, 5), 0xFFFFFFFFu);
    EXPECT_NE(s.GetPixel(5, 5), 0u);
    EXPECT_EQ(s.GetPixel(3, 3), 0u);
}

}  // namespace
