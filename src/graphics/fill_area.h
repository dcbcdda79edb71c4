// The pixels one fill changes, handed out a row at a time: every row of a
// rectangle, or on each row of a polygon the span the edge table holds.
// The fill loops of every instruction set walk it, so it is all inline and
// integer (nothing here may touch the floating-point state that MMX shares).
#pragma once

#include <windows.h>

#include "graphics/color32.h"
#include "graphics/edge_table.h"
#include "graphics/memory_surface.h"

struct FillSpan {
    Color32* pixels;  // the leftmost pixel
    int count;        // at least 1
};

class CFillArea {
public:
    // Every row of `rect`, which lies inside the surface and is not empty.
    static CFillArea Rectangle(CMemorySurface& dest, const RECT& rect) {
        return CFillArea(dest, rect, false);
    }
    // The edge table's span, cut by `work`, on each row of `work`; the
    // caller has built the table over `work`, inside the surface.
    static CFillArea EdgeSpans(CMemorySurface& dest, const RECT& work) {
        return CFillArea(dest, work, true);
    }

    // The next row's pixels; false after the last row.
    bool Next(FillSpan& span) {
        while (row_ < rect_.bottom) {
            Color32* const rowStart = pixels_ + row_ * pitch_;
            const int row = row_++;
            if (!edges_) {
                span = {rowStart + rect_.left, static_cast<int>(rect_.right - rect_.left)};
                return true;
            }
            int left, right, count;
            if (GetEdgeSpan(row, rect_, left, right, count)) {
                span = {rowStart + left, count};
                return true;
            }
        }
        return false;
    }

private:
    CFillArea(CMemorySurface& dest, const RECT& rect, bool edges)
        : pixels_(dest.GetPixels()), pitch_(dest.GetBounds()->right), rect_(rect), row_(rect.top),
          edges_(edges) {}

    Color32* pixels_;
    int pitch_;
    RECT rect_;
    int row_;
    bool edges_;
};
