#include "transitions/dither_transitions.h"

#include <cstdlib>

#include "transitions/chosen_parts.h"
#include "transitions/transition_frame.h"

const int32_t DitherMatrix4x4[16] = {0, 8, 3, 11, 12, 4, 15, 7, 2, 10, 1, 9, 14, 6, 13, 5};

namespace {

// The picture pixels [i0, i1) x [j0, j1) that the clip reaches.
struct VisibleRect {
    int i0, j0, i1, j1;
};

VisibleRect VisiblePixels(const WipeArea& a) {
    VisibleRect v = {0, 0, a.width, a.height};
    if (a.clip) {
        if (a.x < a.clip->left) v.i0 = a.clip->left - a.x;
        if (a.y < a.clip->top) v.j0 = a.clip->top - a.y;
        if (a.clip->right <= a.x + a.width) v.i1 = a.clip->right - a.x;
        if (a.clip->bottom <= a.y + a.height) v.j1 = a.clip->bottom - a.y;
    }
    return v;
}

// The threshold of pixel (i, j): the fine 4 x 4 pattern gives the high part,
// the 4 x 4 block's place in its 16 x 16 tile the low part.
int HatchThreshold(int i, int j) {
    const int fine = DitherMatrix4x4[(i & 3) + 4 * (j & 3)];
    const int block = DitherMatrix4x4[((i >> 2) & 3) + 4 * ((j >> 2) & 3)];
    return 16 * fine + block;
}

}  // namespace

// The pattern repeats every 16 columns, so each row looks up its columns
// above the level once and visits only those, tile by tile from the left.
void DitherHatch(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const VisibleRect v = VisiblePixels(a);
        for (int j = v.j0; j < v.j1; ++j) {
            int kept[16];
            int count = 0;
            for (int column = 0; column < 16; ++column)
                if (HatchThreshold(column, j) > a.level) kept[count++] = column;
            for (int tile = v.i0 & ~15; tile < v.i1; tile += 16) {
                for (int k = 0; k < count; ++k) {
                    const int i = tile + kept[k];
                    if (i >= v.i0 && i < v.i1) pieces.DrawInPlace(i, j, i + 1, j + 1);
                }
            }
        }
    });
}

// One rand() call for every visited pixel, row by row from the top, each row
// from the left.
void DitherRandom(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const VisibleRect v = VisiblePixels(a);
        for (int j = v.j0; j < v.j1; ++j) {
            DrawChosenParts(
                v.i0, v.i1, 1, [&](int) { return std::rand() % 255 > a.level; },
                [&](int i) { pieces.DrawInPlace(i, j, i + 1, j + 1); });
        }
    });
}
