#include "transitions/hole_wipes.h"

#include <algorithm>

#include "transitions/transition_frame.h"
#include "transitions/wipe_math.h"

// The whole picture is drawn a row at a time: whole rows above and below the
// hole, and each of the hole's rows as what the hole leaves of it. The full
// radius reaches the picture's farthest corner and grows by level / 255.

namespace {

int HoleRadius(int fullRadius, int level) { return fullRadius * level / 255; }

// Rows above `holeTop` and from `holeBottom` on whole; the hole's rows inside
// the picture through holeRow(row, row - centreRow).
template <class HoleRow>
void DrawAroundHole(const WipeArea& a, CPieceDrawer& pieces, int holeTop, int holeBottom,
                    int centreRow, HoleRow holeRow) {
    int i = 0;
    for (; i < holeTop; ++i) pieces.DrawInPlace(0, i, a.width, i + 1);
    for (; i < std::min(holeBottom, a.height); ++i) holeRow(i, i - centreRow);
    for (; i < a.height; ++i) pieces.DrawInPlace(0, i, a.width, i + 1);
}

// A row of a hole centred on the middle column: the segments left and right
// of a chord of even length. The right segment runs to the picture's right
// edge, so an odd width keeps its last column.
auto CentredHoleRow(const WipeArea& a, CPieceDrawer& pieces, int r) {
    return [&a, &pieces, r](int row, int dy) {
        const int chord = 2 * TruncatedHalfChord(r, dy);
        const int leftEnd = (a.width - chord) / 2;
        const int rightStart = std::max((a.width + chord) / 2, 0);
        pieces.DrawInPlace(0, row, std::min(leftEnd, a.width), row + 1);
        pieces.DrawInPlace(rightStart, row, a.width, row + 1);
    };
}

}  // namespace

void HoleTop(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int r = HoleRadius(TruncatedHypot(a.width / 2, a.height), a.level);
        DrawAroundHole(a, pieces, 0, r, 0, CentredHoleRow(a, pieces, r));
    });
}

void HoleBottom(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int r = HoleRadius(TruncatedHypot(a.width / 2, a.height), a.level);
        DrawAroundHole(a, pieces, a.height - r, a.height, a.height, CentredHoleRow(a, pieces, r));
    });
}

void HoleLeft(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cy = a.height / 2;
        const int r = HoleRadius(TruncatedHypot(a.width, cy), a.level);
        DrawAroundHole(a, pieces, cy - r, cy + r, cy, [&](int row, int dy) {
            const int cut = std::max(TruncatedHalfChord(r, dy), 0);
            pieces.DrawInPlace(cut, row, a.width, row + 1);
        });
    });
}

void HoleRight(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cy = a.height / 2;
        const int r = HoleRadius(TruncatedHypot(a.width, cy), a.level);
        DrawAroundHole(a, pieces, cy - r, cy + r, cy, [&](int row, int dy) {
            const int cut = TruncatedHalfChord(r, dy);
            pieces.DrawInPlace(0, row, std::min(a.width - cut, a.width), row + 1);
        });
    });
}

void HoleCenter(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cy = a.height / 2;
        const int r = HoleRadius(TruncatedHypot(a.width / 2, cy), a.level);
        DrawAroundHole(a, pieces, cy - r, cy + r, cy, CentredHoleRow(a, pieces, r));
    });
}
