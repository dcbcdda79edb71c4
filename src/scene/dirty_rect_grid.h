// The changed areas of one frame, gathered per cell of a columns x rows grid
// over the frame. Each cell keeps the bounding box of the changed pixels
// inside it, so a frame never has more pieces to draw and present than there
// are cells; Merge then joins neighbouring cells of equal extent.
#pragma once

#include <windows.h>

#include <vector>

class CDirtyRectGrid {
public:
    CDirtyRectGrid();
    virtual ~CDirtyRectGrid();

    // columns x rows empty cells over width x height pixels (replacing any
    // previous ones). The caller keeps width >= columns, height >= rows and
    // both counts >= 1.
    void Init(int columns, int rows, int width, int height);
    // Adds a changed screen rectangle; only the cells inside the area are
    // touched.
    void AddRect(const RECT& r);
    // Joins cells of equal top and bottom along each row into the rightmost
    // one, then cells of equal left and right down the columns into the
    // lowest one. A merged cell's rectangle may reach over several cells.
    void Merge();
    // Empties every cell.
    void Clear();

    int GetCellCount() const { return static_cast<int>(cells_.size()); }
    // Cells are numbered row by row: row x columns + column.
    void GetCell(int index, RECT* out) const { *out = cells_[index]; }

private:
    RECT& Cell(int column, int row) { return cells_[row * columns_ + column]; }

    int columns_;
    int rows_;
    int width_;
    int height_;
    std::vector<RECT> cells_;
};
