#include "graphics/mesh_warp.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "graphics/raster_clip.h"

namespace {

constexpr int kMinSourceSize = 256;
constexpr double kOnePixel = 16777216.0;  // one source pixel in 8.24

template <bool UseDepth>
void Warp(const MeshWarpGrid& grid, CMemorySurface& dest, int x, int y, int width, int height,
          int32_t depthLimit, const CMemorySurface& src, const RECT* clip) {
    const int columns = std::min(width / MeshWarpGrid::kCellSize, MeshWarpGrid::kColumns - 1);
    const int rows = std::min(height / MeshWarpGrid::kCellSize, MeshWarpGrid::kRows - 1);
    int srcWidth = 0, srcHeight = 0;
    src.GetSize(srcWidth, srcHeight);
    RECT area;
    if (columns < 1 || rows < 1 || srcWidth < kMinSourceSize || srcHeight < kMinSourceSize ||
        !DrawableArea(dest, clip, area)) {
        return;
    }
    int destWidth = 0, destHeight = 0;
    dest.GetSize(destWidth, destHeight);
    Color32* out = dest.GetPixels();
    const Color32* in = src.GetPixels();

    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int left = x + c * MeshWarpGrid::kCellSize;
            const int top = y + r * MeshWarpGrid::kCellSize;
            const int x0 = std::max<int>(left, area.left);
            const int y0 = std::max<int>(top, area.top);
            const int x1 = std::min<int>(left + MeshWarpGrid::kCellSize, area.right);
            const int y1 = std::min<int>(top + MeshWarpGrid::kCellSize, area.bottom);
            if (x0 >= x1 || y0 >= y1) continue;

            const int p = r * MeshWarpGrid::kColumns + c;
            const int right = p + 1;
            const int below = p + MeshWarpGrid::kColumns;
            // Steps per pixel: differences to the neighbouring points / 8,
            // as arithmetic shifts of the signed differences.
            const uint32_t colX = static_cast<int32_t>(grid.sourceX[right] - grid.sourceX[p]) >> 3;
            const uint32_t colY = static_cast<int32_t>(grid.sourceY[right] - grid.sourceY[p]) >> 3;
            const uint32_t rowX = static_cast<int32_t>(grid.sourceX[below] - grid.sourceX[p]) >> 3;
            const uint32_t rowY = static_cast<int32_t>(grid.sourceY[below] - grid.sourceY[p]) >> 3;
            const int32_t colD = (grid.depth[right] - grid.depth[p]) >> 3;
            const int32_t rowD = (grid.depth[below] - grid.depth[p]) >> 3;

            for (int py = y0; py < y1; ++py) {
                const uint32_t dy = static_cast<uint32_t>(py - top);
                for (int px = x0; px < x1; ++px) {
                    const uint32_t dx = static_cast<uint32_t>(px - left);
                    if (UseDepth) {
                        const int32_t depth = grid.depth[p] + (py - top) * rowD + (px - left) * colD;
                        if (!(depthLimit > depth)) continue;
                    }
                    const uint32_t sx = grid.sourceX[p] + dy * rowX + dx * colX;
                    const uint32_t sy = grid.sourceY[p] + dy * rowY + dx * colY;
                    out[py * destWidth + px] = in[(sy >> 24) * srcWidth + (sx >> 24)];
                }
            }
        }
    }
}

// Point (i, j) of the grid stands for the screen offset (X, Y) from the
// centre of a width x height area.
template <typename PointRule>
void ForEachGridPoint(int width, int height, PointRule rule) {
    const int column0 = -(width / 8) / 2;
    const int row0 = -(height / 8) / 2;
    for (int j = 0; j < MeshWarpGrid::kRows; ++j) {
        for (int i = 0; i < MeshWarpGrid::kColumns; ++i) {
            rule(j * MeshWarpGrid::kColumns + i, 8.0 * (column0 + i), 8.0 * (row0 + j));
        }
    }
}

template <void (*Build)(MeshWarpGrid&, int, int, int, int, int, int), bool UseDepth>
void BuildAndWarp(CMemorySurface& dest, int x, int y, const CMemorySurface& src, const RECT* clip,
                  int width, int height, int a, int b, int c, int d, int32_t depthLimit) {
    auto grid = std::make_unique<MeshWarpGrid>();
    Build(*grid, width, height, a, b, c, d);
    Warp<UseDepth>(*grid, dest, x, y, width, height, depthLimit, src, clip);
}

}  // namespace

uint32_t GridCoordinate(double value) {
    if (!std::isfinite(value)) return 0;
    // Modulo 2^32, so that far scrolls wrap instead of overflowing.
    const double wrapped = std::fmod(std::trunc(value), 4294967296.0);
    return static_cast<uint32_t>(static_cast<int64_t>(wrapped));
}

void WarpByGrid(const MeshWarpGrid& grid, CMemorySurface& dest, int x, int y, int width,
                int height, const CMemorySurface& src, const RECT* clip) {
    Warp<false>(grid, dest, x, y, width, height, 0, src, clip);
}

void WarpByGridDepth(const MeshWarpGrid& grid, CMemorySurface& dest, int x, int y, int width,
                     int height, int32_t depthLimit, const CMemorySurface& src, const RECT* clip) {
    Warp<true>(grid, dest, x, y, width, height, depthLimit, src, clip);
}

void BuildTunnelGrid(MeshWarpGrid& grid, int width, int height, int a, int b, int c, int d) {
    const double alpha = a * 0.01f;
    const double beta = b * 0.01f;
    const double scrollX = c * kOnePixel;
    const double scrollY = d * kOnePixel;
    ForEachGridPoint(width, height, [&](int p, double X, double Y) {
        const double t = 300 * std::cos(alpha) - Y * std::sin(alpha);
        const double u = t * std::sin(beta) + X * std::cos(beta);
        const double v = Y * std::cos(alpha) + 300 * std::sin(alpha);
        const double w = 1000 * (t * std::cos(beta) - X * std::sin(beta));
        const double distance = std::hypot(u, v);
        // The vanishing point itself has no distance: it takes depth 0.
        const double z = distance > 0 ? w / distance : 0.0;
        double angle;
        if (u != 0) {
            angle = std::atan(v / u) * 40.76432984829669 + (u < 0 ? 128 : 0);
        } else {
            angle = v > 0 ? 64 : -64;
        }
        grid.sourceX[p] = GridCoordinate(scrollX + angle * 67108864.0);
        grid.sourceY[p] = GridCoordinate(scrollY + z * 671088.6f);
        grid.depth[p] = 0;
    });
}

void BuildLandscapeGrid(MeshWarpGrid& grid, int width, int height, int a, int b, int c, int d) {
    const float theta = static_cast<float>(0.5 * std::sin(a * 0.02f));
    const float phi = static_cast<float>(0.5 * std::sin(b * 0.0071f));
    const double scrollX = c * kOnePixel;
    const double scrollY = d * kOnePixel;
    ForEachGridPoint(width, height, [&](int p, double X, double Y) {
        const double k = X * std::cos(theta) + 300 * std::sin(theta);
        const double den = Y * std::cos(phi) - k * std::sin(phi);
        if (den <= 0) {  // above the horizon
            grid.sourceX[p] = 0;
            grid.sourceY[p] = 0;
            grid.depth[p] = 58000;
            return;
        }
        const double px = (Y * std::sin(phi) + k * std::cos(phi)) / den * 600;
        const double py = (300 * std::cos(theta) - X * std::sin(theta)) / den * 600;
        grid.sourceX[p] = GridCoordinate(scrollX + px * 1677721.6f);
        grid.sourceY[p] = GridCoordinate(scrollY + py * 1677721.6f);
        const double depth = (px * px + py * py) * 2e-6f * 256;
        grid.depth[p] = static_cast<int32_t>(std::clamp(depth, 80.0, 58000.0));
    });
}

void BuildSphereGrid(MeshWarpGrid& grid, int width, int height, int a, int b, int c, int d) {
    const float theta = static_cast<float>(std::sin(a * 0.02f));
    const float phi = b * 0.0012f;
    const double scrollX = c * kOnePixel;
    const double scrollY = d * kOnePixel;
    ForEachGridPoint(width, height, [&](int p, double X, double Y) {
        const double t = 300 * std::cos(theta) - Y * std::sin(theta);
        const double px = t * std::sin(phi) + X * std::cos(phi);
        const double q = Y * std::cos(theta) + 300 * std::sin(theta);
        const double r = t * std::cos(phi) - X * std::sin(phi);
        const double n = 1 / std::sqrt(r * r + q * q + px * px);
        grid.sourceX[p] = GridCoordinate(scrollX + px * n * 10000 * 335544.3f);
        grid.sourceY[p] = GridCoordinate(scrollY + r * n * 10000 * 335544.3f);
        grid.depth[p] = 0;
    });
}

void DrawTunnelWarp(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                    const RECT* clip, int width, int height, int a, int b, int c, int d) {
    BuildAndWarp<BuildTunnelGrid, false>(dest, x, y, src, clip, width, height, a, b, c, d, 0);
}

void DrawLandscapeWarp(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                       const RECT* clip, int width, int height, int a, int b, int c, int d) {
    BuildAndWarp<BuildLandscapeGrid, true>(dest, x, y, src, clip, width, height, a, b, c, d,
                                           20000);
}

void DrawSphereWarp(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                    const RECT* clip, int width, int height, int a, int b, int c, int d) {
    BuildAndWarp<BuildSphereGrid, false>(dest, x, y, src, clip, width, height, a, b, c, d, 0);
}
