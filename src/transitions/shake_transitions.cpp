#include "transitions/shake_transitions.h"

#include <algorithm>
#include <cstdlib>

#include "transitions/transition_frame.h"

namespace {

constexpr int kCell = 4;

// One rand() call: an offset in -(n / 2) .. n - 1 - n / 2, n = L * 64 / 255 + 1.
int LineOffset(int level) {
    const int n = level * 64 / 255 + 1;
    return std::rand() % n - n / 2;
}

}  // namespace

void ShakeHLine(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(
        MIRL_TRANSITION_ARGUMENTS,
        [](const WipeArea& a, CPieceDrawer& pieces) {
            for (int j = 0; j < a.height; ++j) {
                const int off = LineOffset(a.level);
                pieces.Draw(RECT{0, j, a.width, j + 1}, a.x + off, a.y + j);
            }
        },
        kLastLevel);
}

void ShakeVLine(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(
        MIRL_TRANSITION_ARGUMENTS,
        [](const WipeArea& a, CPieceDrawer& pieces) {
            for (int i = 0; i < a.width; ++i) {
                const int off = LineOffset(a.level);
                pieces.Draw(RECT{i, 0, i + 1, a.height}, a.x + i, a.y + off);
            }
        },
        kLastLevel);
}

void ShakeRect(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(
        MIRL_TRANSITION_ARGUMENTS,
        [](const WipeArea& a, CPieceDrawer& pieces) {
            const int m = a.level * 15 / 255;
            for (int cy = 0; cy < a.height; cy += kCell) {
                const int ch = std::min(kCell, a.height - cy);
                for (int cx = 0; cx < a.width; cx += kCell) {
                    const int cw = std::min(kCell, a.width - cx);
                    int dx = std::rand() % (m + 1);
                    int dy = std::rand() % (m + 1);
                    if (cx + dx + cw > a.width) dx = 0;
                    if (cy + dy + ch > a.height) dy = 0;
                    const RECT source = {cx + dx, cy + dy, cx + dx + cw, cy + dy + ch};
                    pieces.Draw(source, a.x + cx, a.y + cy);
                }
            }
        },
        kLastLevel);
}
