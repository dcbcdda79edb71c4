#include "scene/dirty_rect_grid.h"

#include <algorithm>

#include "scene/rect_math.h"

CDirtyRectGrid::CDirtyRectGrid() : columns_(0), rows_(0), width_(0), height_(0) {}

CDirtyRectGrid::~CDirtyRectGrid() = default;

void CDirtyRectGrid::Init(int columns, int rows, int width, int height) {
    columns_ = columns;
    rows_ = rows;
    width_ = width;
    height_ = height;
    cells_.assign(static_cast<size_t>(columns) * rows, EmptyRect());
}

void CDirtyRectGrid::AddRect(const RECT& r) {
    const int cellWidth = width_ / columns_;
    const int cellHeight = height_ / rows_;
    const int c0 = r.left / cellWidth;
    const int c1 = r.right / cellWidth;
    const int r0 = r.top / cellHeight;
    const int r1 = r.bottom / cellHeight;
    const int lastColumn = std::min(c1 + 1, columns_);
    const int lastRow = std::min(r1 + 1, rows_);
    for (int column = std::max(c0, 0); column < lastColumn; ++column) {
        for (int row = std::max(r0, 0); row < lastRow; ++row) {
            const RECT whole = {column * cellWidth, row * cellHeight, (column + 1) * cellWidth,
                                (row + 1) * cellHeight};
            RECT& cell = Cell(column, row);
            if (column != c0 && column != c1 && row != r0 && row != r1) {
                cell = whole;
            } else {
                cell = UniteRects(cell, IntersectRects(r, whole));
            }
        }
    }
}

void CDirtyRectGrid::Merge() {
    for (int row = 0; row < rows_; ++row) {
        for (int column = 0; column + 1 < columns_; ++column) {
            RECT& cell = Cell(column, row);
            RECT& next = Cell(column + 1, row);
            if (cell.top == next.top && cell.bottom == next.bottom) {
                next.left = cell.left;
                cell = EmptyRect();
            }
        }
    }
    for (int row = 0; row + 1 < rows_; ++row) {
        int column = 0;
        while (column < columns_) {
            RECT& cell = Cell(column, row);
            int next = column + 1;
            if (cell.right - cell.left != 0) {
                for (int below = column; below < columns_; ++below) {
                    RECT& partner = Cell(below, row + 1);
                    if (partner.left == cell.left && partner.right == cell.right) {
                        partner.top = cell.top;
                        cell = EmptyRect();
                        next = below + 1;
                        break;
                    }
                }
            }
            column = next;
        }
    }
}

void CDirtyRectGrid::Clear() { std::fill(cells_.begin(), cells_.end(), EmptyRect()); }
