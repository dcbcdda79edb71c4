// The scan-line edge table that every polygon, rotated and Gouraud triangle
// routine fills and then reads: per destination row the leftmost and
// rightmost pixel any edge reaches, with the colours (Gouraud edges) or
// source coordinates (textured edges) found there. One table of 600 rows
// serves the whole program, so these routines draw only into rows 0 to 599
// and are not reentrant; rows outside the table are cut away before
// anything is written.
//
// Points are 16.16 fixed point {x, y}; a point's row is floor(y).
#pragma once

#include <windows.h>

#include <cstdint>

#include "graphics/color32.h"

struct FixedPoint {
    int32_t x;
    int32_t y;
};

struct EdgeRow {
    int32_t leftX;
    int32_t rightX;
    Color32 leftColour;
    Color32 rightColour;
    int32_t leftU, leftV;
    int32_t rightU, rightV;
};

constexpr int kEdgeTableRows = 600;
constexpr int32_t kEmptyLeftX = 801;
constexpr int32_t kEmptyRightX = -1;

// The program-wide table, for the rasterisers that read it row by row.
const EdgeRow& GetEdgeRow(int row);

void ResetEdgeTable(int firstRow, int lastRow);
void AddEdge(FixedPoint p0, FixedPoint p1, const RECT& clip);
void AddEdgeGouraud(FixedPoint p0, FixedPoint p1, Color32 colour0, Color32 colour1,
                    const RECT& clip);
void AddEdgeTextured(FixedPoint p0, FixedPoint p1, FixedPoint uv0, FixedPoint uv1,
                     const RECT& clip);
// Resets the clip's rows and adds the edges p1-p2, p2-p3, p3-p4, p4-p1.
void BuildQuadEdges(const RECT& clip, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                    FixedPoint p4);
void BuildTexturedQuadEdges(const RECT& clip, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                            FixedPoint p4, FixedPoint uv1, FixedPoint uv2, FixedPoint uv3,
                            FixedPoint uv4);

// The row's span cut by the clip; false when it is empty.
bool GetEdgeSpan(int row, const RECT& clip, int& left, int& right, int& count);
// The same with the source coordinates at the span's first pixel and their
// steps per pixel, advanced past pixels cut on the left.
bool GetTexturedEdgeSpan(int row, const RECT& clip, int& left, int& right, int32_t& u,
                         int32_t& v, int32_t& uStep, int32_t& vStep, int& count);
