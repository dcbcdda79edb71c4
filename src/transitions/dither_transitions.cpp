#include "transitions/dither_transitions.h"

#include <cstdlib>

#include "transitions/transition_frame.h"

const int32_t DitherMatrix4x4[16] = {0, 8, 3, 11, 12, 4, 15, 7, 2, 10, 1, 9, 14, 6, 13, 5};

namespace {

// Calls keep(i, j) for every picture pixel the clip reaches, row by row from
// the top, each row from the left, and draws the pixel when it says so.
template <class Keep>
void DrawVisiblePixels(const WipeArea& a, CPieceDrawer& pieces, Keep keep) {
    int i0 = 0, j0 = 0, i1 = a.width, j1 = a.height;
    if (a.clip) {
        if (a.x < a.clip->left) i0 = a.clip->left - a.x;
        if (a.y < a.clip->top) j0 = a.clip->top - a.y;
        if (a.clip->right <= a.x + a.width) i1 = a.clip->right - a.x;
        if (a.clip->bottom <= a.y + a.height) j1 = a.clip->bottom - a.y;
    }
    for (int j = j0; j < j1; ++j)
        for (int i = i0; i < i1; ++i)
            if (keep(i, j)) pieces.DrawInPlace(i, j, i + 1, j + 1);
}

}  // namespace

void DitherHatch(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        DrawVisiblePixels(a, pieces, [&](int i, int j) {
            const int fine = DitherMatrix4x4[(i & 3) + 4 * (j & 3)];
            const int block = DitherMatrix4x4[((i >> 2) & 3) + 4 * ((j >> 2) & 3)];
            return 16 * fine + block > a.level;
        });
    });
}

void DitherRandom(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        DrawVisiblePixels(a, pieces, [&](int, int) { return std::rand() % 255 > a.level; });
    });
}
