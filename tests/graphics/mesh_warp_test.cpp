#include "graphics/mesh_warp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

// A 256 x 256 source whose pixel tells where it came from.
void MakeSource(CMemorySurface& src, int size = 256) {
    ASSERT_EQ(src.Create(size, size), 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) src.GetPixels()[y * size + x] = 0xFF000000 | y << 8 | x;
}

// Point (row, column) maps to source pixel (8 column, 8 row): the identity,
// wrapping every 256 pixels; depth 64 per column (8 per pixel).
std::unique_ptr<MeshWarpGrid> IdentityGrid() {
    auto grid = std::make_unique<MeshWarpGrid>();
    for (int r = 0; r < MeshWarpGrid::kRows; ++r) {
        for (int c = 0; c < MeshWarpGrid::kColumns; ++c) {
            const int p = r * MeshWarpGrid::kColumns + c;
            grid->sourceX[p] = static_cast<uint32_t>(8 * c) << 24;
            grid->sourceY[p] = static_cast<uint32_t>(8 * r) << 24;
            grid->depth[p] = 64 * c;
        }
    }
    return grid;
}

TEST(MeshWarp, IdentityGridCopiesTheSourceWrappingEvery256Pixels) {
    CMemorySurface src, dest;
    MakeSource(src);
    ASSERT_EQ(dest.Create(800, 600), 0);
    auto grid = IdentityGrid();
    WarpByGrid(*grid, dest, 0, 0, 800, 600, src, nullptr);
    for (int y = 0; y < 600; y += 7)
        for (int x = 0; x < 800; x += 3)
            ASSERT_EQ(dest.GetPixel(x, y), 0xFF000000u | (y & 255) << 8 | (x & 255)) << x << "," << y;
}

TEST(MeshWarp, PlacementAndClipKeepToTheirRectangle) {
    CMemorySurface src, dest;
    MakeSource(src);
    ASSERT_EQ(dest.Create(64, 48), 0);
    auto grid = IdentityGrid();
    const RECT clip = {10, 9, 30, 20};
    WarpByGrid(*grid, dest, 3, 5, 40, 40, src, &clip);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            const bool inside = x >= 10 && x < 30 && y >= 9 && y < 20;
            const Color32 expected = inside ? 0xFF000000u | (y - 5) << 8 | (x - 3) : 0u;
            ASSERT_EQ(dest.GetPixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(MeshWarp, DepthWarpWritesOnlyNearerPixels) {
    CMemorySurface src, dest;
    MakeSource(src);
    ASSERT_EQ(dest.Create(200, 16), 0);
    auto grid = IdentityGrid();
    // Depth 8 per pixel: only x x 8 < 800 is nearer than the limit.
    WarpByGridDepth(*grid, dest, 0, 0, 200, 16, 800, src, nullptr);
    for (int x = 0; x < 200; ++x) {
        EXPECT_EQ(dest.GetPixel(x, 3) != 0, x < 100) << x;
    }
}

TEST(MeshWarp, RefusesWhatTheGridOrTheSourceCannotCover) {
    CMemorySurface small, src, dest;
    MakeSource(small, 128);
    MakeSource(src);
    auto grid = IdentityGrid();
    ASSERT_EQ(dest.Create(1000, 700), 0);
    WarpByGrid(*grid, dest, 0, 0, 1000, 700, small, nullptr);
    EXPECT_EQ(dest.GetPixel(5, 5), 0u);
    // Only the 100 x 75 cells of the grid are drawn.
    WarpByGrid(*grid, dest, 0, 0, 1000, 700, src, nullptr);
    EXPECT_NE(dest.GetPixel(799, 599), 0u);
    EXPECT_EQ(dest.GetPixel(800, 10), 0u);
    EXPECT_EQ(dest.GetPixel(10, 600), 0u);
}

TEST(MeshWarp, TunnelVanishingPointHasADefinedSource) {
    auto grid = std::make_unique<MeshWarpGrid>();
    BuildTunnelGrid(*grid, 800, 600, 0, 0, 0, 0);
    const int centre = 37 * MeshWarpGrid::kColumns + 50;  // offset (0, 0)
    // Angle -64 of 256 per turn: -4 x 2^32 wraps to 0; depth 0.
    EXPECT_EQ(grid->sourceX[centre], 0u);
    EXPECT_EQ(grid->sourceY[centre], 0u);
    // Straight right of the centre: angle 0, distance 1000 x 300 / 8.
    EXPECT_EQ(grid->sourceX[centre + 1], 0u);
    EXPECT_EQ(grid->sourceY[centre + 1], GridCoordinate(37500.0 * 671088.6f));
}

TEST(MeshWarp, BuildersDrawWholeFramesAndLandscapeKeepsTheSky) {
    CMemorySurface src, dest;
    MakeSource(src);
    ASSERT_EQ(dest.Create(800, 600), 0);
    for (int frame : {0, 1, 500, 123456}) {
        dest.Fill(0x12345678, nullptr);
        DrawTunnelWarp(dest, 0, 0, src, nullptr, 800, 600, 0, 0, frame / 10, frame / 10);
        EXPECT_NE(dest.GetPixel(400, 300), 0x12345678u);
        dest.Fill(0x12345678, nullptr);
        DrawSphereWarp(dest, 0, 0, src, nullptr, 800, 600, frame, frame, frame, frame);
        EXPECT_NE(dest.GetPixel(100, 100), 0x12345678u);
    }
    dest.Fill(0x12345678, nullptr);
    DrawLandscapeWarp(dest, 0, 0, src, nullptr, 800, 600, 0, 0, 0, 7);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 800; ++x) ASSERT_EQ(dest.GetPixel(x, y), 0x12345678u) << x << "," << y;
    EXPECT_NE(dest.GetPixel(400, 599), 0x12345678u);
}

TEST(MeshWarp, GridCoordinatesWrapInsteadOfOverflowing) {
    EXPECT_EQ(GridCoordinate(1.9), 1u);
    EXPECT_EQ(GridCoordinate(-1.9), 0xFFFFFFFFu);
    EXPECT_EQ(GridCoordinate(4294967296.0 + 5), 5u);
    EXPECT_EQ(GridCoordinate(1e300), GridCoordinate(std::fmod(1e300, 4294967296.0)));
    EXPECT_EQ(GridCoordinate(std::numeric_limits<double>::infinity()), 0u);
}

}  // namespace
