// The states of the in-game menu. Every change passes through
// kMenuStateChanging while the menu script's page for the change runs; play
// and selection are the two base states that hide and the menu return to.
#pragma once

#include <cstdint>

enum MenuState : int32_t {
    kMenuStateChanging = 0,
    kMenuStatePlay = 1,
    kMenuStateControlDisabled = 2,
    kMenuStateSkip1 = 3,
    kMenuStateSkip5 = 7,
    kMenuStateSelection = 10,
    kMenuStateHidden = 11,
    kMenuStateOpen = 12,
    kMenuStateSEVolume = 13,
    kMenuStateBGMVolume = 14,
    kMenuStateGraphicEffect = 15,
    kMenuStateScreenMode = 16,
    kMenuStateExit = 17,
    kMenuStateAskGoTitle = 18,
    kMenuStateGoTitle = 19,
    kMenuStateAskEndGame = 20,
    kMenuStateEndGame = 21,
    kMenuStateAskRestart = 22,
    kMenuStateRestart = 23,
    kMenuStateSaveLoad = 24,
    kMenuStateSaveScreen = 25,
    kMenuStateLoadScreen = 26,
    kMenuStateAskClipLoad = 27,
    kMenuStateClipLoad = 28,
};

// The skip levels 1 to 5.
inline bool IsSkipState(int32_t state) { return state >= kMenuStateSkip1 && state <= kMenuStateSkip5; }
// The open menu and its panels, where input outside the panels closes them.
inline bool IsPanelState(int32_t state) {
    return (state >= kMenuStateOpen && state <= kMenuStateExit) || state == kMenuStateSaveLoad;
}
// The four questions, waiting for "Yes" or "No".
inline bool IsQuestionState(int32_t state) {
    return state == kMenuStateAskGoTitle || state == kMenuStateAskEndGame || state == kMenuStateAskRestart ||
           state == kMenuStateAskClipLoad;
}
// Hidden, the menu and its panels, or a question: keys go to the menu, and
// one that only cancels never reaches the story's key wait.
inline bool IsModalState(int32_t state) {
    return state == kMenuStateHidden || IsPanelState(state) || IsQuestionState(state);
}
