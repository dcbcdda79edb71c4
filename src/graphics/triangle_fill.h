// Triangles with 16.16 vertices: flat and Gouraud fills, opaque or blended
// by alpha, and outlines.
//
// The flat fills are those of the 3D meshes: a pixel is filled when its
// top-left corner lies inside the triangle or on its left or top edge, so
// triangles that share edges fill every pixel of the mesh once and a faded
// mesh shows no seams. The Gouraud fills go through the edge table, which
// covers both end rows and columns of every edge.
#pragma once

#include <windows.h>

#include "graphics/color32.h"
#include "graphics/edge_table.h"
#include "graphics/memory_surface.h"

// Every pixel = the colour, all four bytes.
void FillTriangle(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                  Color32 colour, const RECT* clip);
// Blue, green, red blended by the colour's alpha; the alpha byte stays.
void FillTriangleAlpha(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                       Color32 colour, const RECT* clip);
// Colours interpolated from the vertices; alpha byte 0. Rows whose span is a
// single pixel are not drawn.
void FillTriangleGouraud(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                         Color32 colour1, Color32 colour2, Color32 colour3, const RECT* clip);
// The same, each pixel blended by the interpolated alpha.
void FillTriangleGouraudAlpha(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                              Color32 colour1, Color32 colour2, Color32 colour3,
                              const RECT* clip);
// Three anti-aliased lines between the vertices' pixel positions.
void DrawTriangleOutline(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                         Color32 colour, const RECT* clip);
