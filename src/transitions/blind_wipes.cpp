#include "transitions/blind_wipes.h"

#include <algorithm>

#include "transitions/transition_frame.h"

// Slats count from the picture's first column (row). Each keeps
// (255 - level) >> 4 of its 16 lines: 15 at levels 1..15, none from 240 on.
// Every kept line is its own part.

namespace {

int KeptLines(int level) { return (255 - level) >> 4; }

}  // namespace

void BlindLeft(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int kept = KeptLines(a.level);
        for (int i = 0; i < a.width; ++i) {
            if ((i & 15) < kept) pieces.DrawInPlace(i, 0, i + 1, a.height);
        }
    });
}

void BlindRight(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int gone = a.level >> 4;
        for (int i = 0; i < a.width; ++i) {
            if ((i & 15) > gone) pieces.DrawInPlace(i, 0, i + 1, a.height);
        }
    });
}

void BlindUp(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int kept = KeptLines(a.level);
        for (int j = 0; j < a.height; ++j) {
            if ((j & 15) < kept) pieces.DrawInPlace(0, j, a.width, j + 1);
        }
    });
}

void BlindDown(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int gone = a.level >> 4;
        for (int j = 0; j < a.height; ++j) {
            if ((j & 15) > gone) pieces.DrawInPlace(0, j, a.width, j + 1);
        }
    });
}

// Runs of `kept` pixels every 16 columns, each row's runs one column further
// left than the row above's, so the slats run from the top right to the
// bottom left.
void BlindSlant(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int kept = KeptLines(a.level);
        for (int j = 0; j < a.height; ++j) {
            for (int s = -(j & 15); s < a.width; s += 16) {
                pieces.DrawInPlace(std::max(s, 0), j, std::min(s + kept, a.width), j + 1);
            }
        }
    });
}
