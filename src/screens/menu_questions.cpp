// The in-game menu's choices that ask a question first (the exit panel's
// and the quick load's), and the answers to the four questions: "Yes"
// enters the state that acts, "No" returns to the panel, which stays in the
// tree meanwhile. The questions themselves are event pages of the menu
// script.
#include <string>

#include "screens/in_game_menu.h"
#include "screens/menu_state.h"

namespace {

// Where a question's answers lead.
struct Answers {
    int yesState;
    const char* yesEvent;
    int noState;
    const char* noEvent;
};

const Answers kGoTitle{kMenuStateGoTitle, "GoTitle", kMenuStateExit, "End_GoTitle"};
const Answers kEndGame{kMenuStateEndGame, "EndGame", kMenuStateExit, "End_EndGame"};
const Answers kRestart{kMenuStateRestart, "Restart", kMenuStateExit, "End_Restart"};
const Answers kClipLoad{kMenuStateClipLoad, "ClipLoad", kMenuStateSaveLoad, "End_ClipLoad"};

// Any command but "Yes" and "No" leaves the question as it is.
void Answer(CInGameMenu& menu, const std::string& command, const Answers& answers) {
    if (command == "Yes") menu.RequestState(answers.yesState, answers.yesEvent);
    if (command == "No") menu.RequestState(answers.noState, answers.noEvent);
}

}  // namespace

void CInGameMenu::OnSaveLoadChoice(std::string command) {
    if (command == "Save") RequestState(kMenuStateSaveScreen, std::string());
    if (command == "Load") RequestState(kMenuStateLoadScreen, std::string());
    if (command == "ClipLoad") {
        RequestState(kMenuStateAskClipLoad, "Begin_ClipLoad");
        ShowClipLoadCaution();
    }
}

void CInGameMenu::OnExitChoice(std::string command) {
    if (command == "GoTitle") RequestState(kMenuStateAskGoTitle, "Begin_GoTitle");
    if (command == "ExitGame") RequestState(kMenuStateAskEndGame, "Begin_EndGame");
    if (command == "Restart") RequestState(kMenuStateAskRestart, "Begin_Restart");
}

void CInGameMenu::OnGoTitleConfirm(std::string command) { Answer(*this, command, kGoTitle); }

void CInGameMenu::OnEndGameConfirm(std::string command) { Answer(*this, command, kEndGame); }

void CInGameMenu::OnRestartConfirm(std::string command) { Answer(*this, command, kRestart); }

void CInGameMenu::OnClipLoadConfirm(std::string command) { Answer(*this, command, kClipLoad); }
