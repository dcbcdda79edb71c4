#include "transitions/mosaic_transition.h"

#include <algorithm>

#include "transitions/transition_frame.h"

namespace {

// The pixel a cell starting at `cell` shows along one axis: its first pixel,
// but the middle of the first cell (the last pixel of a picture shorter than
// half a cell).
int SampleOf(int cell, int side, int extent) {
    if (cell != 0) return cell;
    return extent <= side / 2 ? extent - 1 : side / 2;
}

}  // namespace

void Mosaic(MIRL_TRANSITION_PARAMETERS) {
    int w = 0;
    int h = 0;
    if (!OpenTransitionFrame(destination, picture, size, level, w, h, kLastLevel)) return;
    // Every blend call is cut to the picture's own rectangle as well.
    const RECT place = {x, y, x + w, y + h};
    RECT cut = place;
    if (clip && !IntersectRect(&cut, clip, &place)) return;
    CPieceDrawer pieces(*destination, picture, x, y, &cut, code, extra);
    if (level == 0) {
        pieces.DrawWhole(w, h);
        return;
    }
    const int n = level + 1;
    // The cells keep one grid whatever part is redrawn, and only the cells
    // that meet the cut rectangle are visited.
    const int cx0 = (std::max(static_cast<int>(cut.left) - x, 0) / n) * n;
    const int cy0 = (std::max(static_cast<int>(cut.top) - y, 0) / n) * n;
    const int cxEnd = std::min(w, static_cast<int>(cut.right) - x);
    const int cyEnd = std::min(h, static_cast<int>(cut.bottom) - y);
    for (int cy = cy0; cy < cyEnd; cy += n) {
        const int sy = SampleOf(cy, n, h);
        for (int cx = cx0; cx < cxEnd; cx += n) {
            const int sx = SampleOf(cx, n, w);
            pieces.DrawScaled(RECT{sx, sy, sx + 1, sy + 1}, x + cx, y + cy, x + cx + n, y + cy + n);
        }
    }
}
