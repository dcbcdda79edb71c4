#include "transitions/box_wipes.h"

#include <algorithm>

#include "transitions/transition_frame.h"
#include "transitions/wipe_math.h"

namespace {

// The hole's size at the level: the diagonal (dx, dy), truncated, times
// level / 256.
int HoleSize(int dx, int dy, int level) { return (TruncatedHypot(dx, dy) * level) >> 8; }

}  // namespace

// The picture a row at a time: the hole's rows as the segments left and
// right of a hole of half side d about the centre; once the hole reaches the
// left edge its rows show nothing. The right segment runs to the picture's
// right edge, so an odd width keeps its last column.
void BoxCenter(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cx = a.width / 2;
        const int cy = a.height / 2;
        const int d = HoleSize(cx, cy, a.level);
        const int holeBottom = std::min(cy + d, a.height);
        int r = 0;
        for (; r < cy - d; ++r) pieces.DrawInPlace(0, r, a.width, r + 1);
        if (cx - d > 0) {
            const int leftEnd = std::min(cx - d, a.width);
            const int rightStart = std::max(cx + d, 0);
            for (; r < holeBottom; ++r) {
                pieces.DrawInPlace(0, r, leftEnd, r + 1);
                pieces.DrawInPlace(rightStart, r, a.width, r + 1);
            }
        }
        for (r = std::max(r, holeBottom); r < a.height; ++r)
            pieces.DrawInPlace(0, r, a.width, r + 1);
    });
}

// The corner kinds: a square of side d over the whole diagonal stands in the
// corner; the rest of the picture is two rectangles.

void BoxTopLeft(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int d = HoleSize(a.width, a.height, a.level);
        pieces.DrawInPlace(d, 0, a.width, std::min(d, a.height));
        pieces.DrawInPlace(0, d, a.width, a.height);
    });
}

void BoxTopRight(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int d = HoleSize(a.width, a.height, a.level);
        pieces.DrawInPlace(0, 0, a.width - d, std::min(d, a.height));
        pieces.DrawInPlace(0, d, a.width, a.height);
    });
}

void BoxBottomLeft(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int d = HoleSize(a.width, a.height, a.level);
        pieces.DrawInPlace(0, 0, a.width, a.height - d);
        pieces.DrawInPlace(d, std::max(a.height - d, 0), a.width, a.height);
    });
}

void BoxBottomRight(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int d = HoleSize(a.width, a.height, a.level);
        pieces.DrawInPlace(0, 0, a.width, a.height - d);
        pieces.DrawInPlace(0, std::max(a.height - d, 0), a.width - d, a.height);
    });
}
