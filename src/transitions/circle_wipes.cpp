#include "transitions/circle_wipes.h"

#include <algorithm>

#include "transitions/transition_frame.h"
#include "transitions/wipe_math.h"

// The disc is drawn a row at a time. Its full radius reaches the picture's
// farthest corner and shrinks by (255 - level) / 256.

namespace {

int DiscRadius(int fullRadius, int level) { return (fullRadius * (255 - level)) >> 8; }

// Columns [left, left + length) of the row, cut to the picture's right edge.
// The loops visit only the disc's rows inside the picture.
void DrawDiscRow(const WipeArea& a, CPieceDrawer& pieces, int row, int left, int length) {
    pieces.DrawInPlace(left, row, std::min(left + length, a.width), row + 1);
}

// A chord centred on the picture's middle column.
void DrawCentredRow(const WipeArea& a, CPieceDrawer& pieces, int row, int length) {
    DrawDiscRow(a, pieces, row, std::max(a.width / 2 - length / 2, 0), length);
}

}  // namespace

void CircleTop(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int r = DiscRadius(TruncatedHypot(a.width / 2, a.height), a.level);
        for (int i = 0; i < std::min(r, a.height); ++i)
            DrawCentredRow(a, pieces, i, TruncatedChord(r, i));
    });
}

// The centre lies just below the last row: the disc's rows run from h (below
// the picture) up to h - r + 1.
void CircleBottom(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int r = DiscRadius(TruncatedHypot(a.width / 2, a.height), a.level);
        for (int i = a.height - 1; i > std::max(a.height - r, -1); --i) {
            DrawCentredRow(a, pieces, i, TruncatedChord(r, a.height - i));
        }
    });
}

void CircleLeft(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cy = a.height / 2;
        const int r = DiscRadius(TruncatedHypot(a.width, cy), a.level);
        for (int i = std::max(cy - r, 0); i < std::min(cy + r, a.height); ++i) {
            DrawDiscRow(a, pieces, i, 0, TruncatedHalfChord(r, i - cy));
        }
    });
}

void CircleRight(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cy = a.height / 2;
        const int r = DiscRadius(TruncatedHypot(a.width, cy), a.level);
        for (int i = std::max(cy - r, 0); i < std::min(cy + r, a.height); ++i) {
            const int length = TruncatedHalfChord(r, i - cy);
            DrawDiscRow(a, pieces, i, std::max(a.width - length, 0), length);
        }
    });
}

// The half chord is truncated before it is doubled, so every row's length is even.
void CircleCenter(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cy = a.height / 2;
        const int r = DiscRadius(TruncatedHypot(a.width / 2, cy), a.level);
        for (int i = std::max(cy - r, 0); i < std::min(cy + r, a.height); ++i) {
            DrawCentredRow(a, pieces, i, 2 * TruncatedHalfChord(r, i - cy));
        }
    });
}
