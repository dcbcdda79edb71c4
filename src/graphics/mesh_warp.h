// Mesh warps: a source surface copied through a grid of 8 x 8-pixel cells
// that covers an 800 x 600 area (100 x 75 cells, 101 x 76 corner points).
// Each point holds a source position in 8.24 fixed point (the integer part
// taken modulo 256, so sources wrap every 256 pixels) and a depth; each cell
// is mapped affinely from its top-left point.
#pragma once

#include <windows.h>

#include <cstdint>

#include "graphics/memory_surface.h"

struct MeshWarpGrid {
    static constexpr int kColumns = 101;
    static constexpr int kRows = 76;
    static constexpr int kPoints = kColumns * kRows;
    static constexpr int kCellSize = 8;
    uint32_t sourceX[kPoints];
    uint32_t sourceY[kPoints];
    int32_t depth[kPoints];
};

// Sources must be at least 256 x 256, which the wrapped coordinates can
// reach; a smaller source draws nothing. The cells are the first width / 8
// columns and height / 8 rows of the grid, at most 100 x 75.
void WarpByGrid(const MeshWarpGrid& grid, CMemorySurface& dest, int x, int y, int width,
                int height, const CMemorySurface& src, const RECT* clip);
// Writes a pixel only where the depth limit is greater than the depth.
void WarpByGridDepth(const MeshWarpGrid& grid, CMemorySurface& dest, int x, int y, int width,
                     int height, int32_t depthLimit, const CMemorySurface& src, const RECT* clip);

// The effect painters' warps: each builds its grid for a frame and draws
// src through it. a and b turn the view, c and d scroll the source.
void DrawTunnelWarp(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                    const RECT* clip, int width, int height, int a, int b, int c, int d);
void DrawLandscapeWarp(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                       const RECT* clip, int width, int height, int a, int b, int c, int d);
void DrawSphereWarp(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                    const RECT* clip, int width, int height, int a, int b, int c, int d);

// The grid builders, apart from drawing.
void BuildTunnelGrid(MeshWarpGrid& grid, int width, int height, int a, int b, int c, int d);
void BuildLandscapeGrid(MeshWarpGrid& grid, int width, int height, int a, int b, int c, int d);
void BuildSphereGrid(MeshWarpGrid& grid, int width, int height, int a, int b, int c, int d);

// A source coordinate as stored in the grid: the 32-bit integer part of the
// value, wrapping like the 8.24 coordinates themselves.
uint32_t GridCoordinate(double value);
