#include "scene/redraw.h"

#include "scene/dirty_rect_grid.h"
#include "scene/node.h"
#include "scene/rect_math.h"

std::vector<RECT> RedrawDirtyCells(CNode& root, CDirtyRectGrid& grid, CMemorySurface& target,
                                   const RECT* clip) {
    const CTransform2D identity(0, 0, 1, 1, 1, 0);
    grid.Clear();
    root.SubmitDirtyRects(&grid, identity, clip);
    grid.Merge();
    std::vector<RECT> cells;
    for (int index = 0; index < grid.GetCellCount(); ++index) {
        RECT cell;
        grid.GetCell(index, &cell);
        if (IsEmptyRect(cell)) continue;
        root.CollectDirtyRects(identity, &cell, nullptr);
        cells.push_back(cell);
    }
    root.DrawRects(target, identity);
    root.CommitDirty();
    return cells;
}
