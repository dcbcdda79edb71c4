#include "transitions/rect_wipes.h"

#include <algorithm>

#include "transitions/transition_frame.h"

// Sizes scale by (255 - level) / 256, as shifts of non-negative products: at
// level 1 the rectangle is already 254/256 of the picture.

namespace {

// The corner kinds' square: its side follows the picture's longer side.
int SquareSide(const WipeArea& a) { return ((255 - a.level) * std::max(a.width, a.height)) >> 8; }

// The square of side s with its left (top) edge at `start`, cut to `limit`.
LONG SquareEnd(int start, int s, int limit) { return std::min(start + s, limit); }

}  // namespace

void RectCenter(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int keep = 255 - a.level;
        int width = (a.width * keep) >> 8;
        int height = (a.height * keep) >> 8;
        const int left = std::max(a.width / 2 - ((a.width * keep) >> 9), 0);
        const int top = std::max(a.height / 2 - ((a.height * keep) >> 9), 0);
        if (left + width > a.width) width = a.width - left;
        if (top + height > a.height) height = a.height - top;
        pieces.DrawInPlace(left, top, left + width, top + height);
    });
}

void RectTopLeft(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int s = SquareSide(a);
        pieces.DrawInPlace(0, 0, std::min(s, a.width), std::min(s, a.height));
    });
}

void RectTopRight(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int s = SquareSide(a);
        const int left = std::max(a.width - s, 0);
        pieces.DrawInPlace(left, 0, SquareEnd(left, s, a.width), std::min(s, a.height));
    });
}

void RectBottomLeft(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int s = SquareSide(a);
        const int top = std::max(a.height - s, 0);
        pieces.DrawInPlace(0, top, std::min(s, a.width), SquareEnd(top, s, a.height));
    });
}

void RectBottomRight(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int s = SquareSide(a);
        const int left = std::max(a.width - s, 0);
        const int top = std::max(a.height - s, 0);
        pieces.DrawInPlace(left, top, SquareEnd(left, s, a.width), SquareEnd(top, s, a.height));
    });
}
