// The in-game menu's choices that ask a question first (the exit panel's
// and the quick load's), and the answers to the four questions: "Yes"
// enters the state that acts, "No" returns to the panel, which stays in the
// tree meanwhile. The questions themselves are event pages of the menu
// script.
#include <string>

#include "screens/in_game_menu.h"

namespace {

constexpr int kStateExitPanel = 17;
constexpr int kStateGoTitleQuestion = 18;
constexpr int kStateGoTitle = 19;
constexpr int kStateEndGameQuestion = 20;
constexpr int kStateEndGame = 21;
constexpr int kStateRestartQuestion = 22;
constexpr int kStateRestart = 23;
constexpr int kStateSaveLoadPanel = 24;
constexpr int kStateSave = 25;
constexpr int kStateLoad = 26;
constexpr int kStateClipLoadQuestion = 27;
constexpr int kStateClipLoad = 28;

// Where a question's answers lead.
struct Answers {
    int yesState;
    const char* yesEvent;
    int noState;
    const char* noEvent;
};

const Answers kGoTitle{kStateGoTitle, "GoTitle", kStateExitPanel, "End_GoTitle"};
const Answers kEndGame{kStateEndGame, "EndGame", kStateExitPanel, "End_EndGame"};
const Answers kRestart{kStateRestart, "Restart", kStateExitPanel, "End_Restart"};
const Answers kClipLoad{kStateClipLoad, "ClipLoad", kStateSaveLoadPanel, "End_ClipLoad"};

// Any command but "Yes" and "No" leaves the question as it is.
void Answer(CInGameMenu& menu, const std::string& command, const Answers& answers) {
    if (command == "Yes") menu.RequestState(answers.yesState, answers.yesEvent);
    if (command == "No") menu.RequestState(answers.noState, answers.noEvent);
}

}  // namespace

void CInGameMenu::OnSaveLoadChoice(std::string command) {
    if (command == "Save") RequestState(kStateSave, std::string());
    if (command == "Load") RequestState(kStateLoad, std::string());
    if (command == "ClipLoad") {
        RequestState(kStateClipLoadQuestion, "Begin_ClipLoad");
        ShowClipLoadCaution();
    }
}

void CInGameMenu::OnExitChoice(std::string command) {
    if (command == "GoTitle") RequestState(kStateGoTitleQuestion, "Begin_GoTitle");
    if (command == "ExitGame") RequestState(kStateEndGameQuestion, "Begin_EndGame");
    if (command == "Restart") RequestState(kStateRestartQuestion, "Begin_Restart");
}

void CInGameMenu::OnGoTitleConfirm(std::string command) { Answer(*this, command, kGoTitle); }

void CInGameMenu::OnEndGameConfirm(std::string command) { Answer(*this, command, kEndGame); }

void CInGameMenu::OnRestartConfirm(std::string command) { Answer(*this, command, kRestart); }

void CInGameMenu::OnClipLoadConfirm(std::string command) { Answer(*this, command, kClipLoad); }
