#include "transitions/linear_wipes.h"

#include "transitions/transition_frame.h"

// The edge lies ⌊side × level / 255⌋ pixels in from the side it starts on.

void LinearUp(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cut = a.height * a.level / 255;
        pieces.DrawInPlace(0, 0, a.width, a.height - cut);
    });
}

void LinearDown(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cut = a.height * a.level / 255;
        pieces.DrawInPlace(0, cut, a.width, a.height);
    });
}

void LinearLeft(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cut = a.width * a.level / 255;
        pieces.DrawInPlace(0, 0, a.width - cut, a.height);
    });
}

void LinearRight(MIRL_TRANSITION_PARAMETERS) {
    RunTransitionFrame(MIRL_TRANSITION_ARGUMENTS, [](const WipeArea& a, CPieceDrawer& pieces) {
        const int cut = a.width * a.level / 255;
        pieces.DrawInPlace(cut, 0, a.width, a.height);
    });
}
