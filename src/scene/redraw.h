// One frame's redraw of a node tree into a surface: only the areas that
// changed since the last frame are drawn, each node once per piece of the
// changed cells it must paint, and none behind an opaque node in front.
#pragma once

#include <windows.h>

#include <vector>

class CDirtyRectGrid;
class CMemorySurface;
class CNode;

// Clears the grid, collects the changed areas of the tree (cut by the clip
// when given), merges the cells, culls and draws every non-empty cell and
// commits the tree's dirty state. Answers the non-empty cells in cell order,
// the rectangles to present (nothing for a still frame).
std::vector<RECT> RedrawDirtyCells(CNode& root, CDirtyRectGrid& grid, CMemorySurface& target,
                                   const RECT* clip);
