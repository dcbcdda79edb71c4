// The in-game menu's commands: by state first, then those of every state,
// and the state changes they request.
#include <utility>

#include "platform/config.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "scene/script_page_node.h"
#include "screens/in_game_menu.h"
#include "screens/menu_state.h"
#include "screens/page_script_pause.h"
#include "screens/quick_save.h"
#include "script/script_unit.h"

namespace {

const char kSavePointPrefix[] = "SavePoint:";
constexpr size_t kSavePointPrefixLength = sizeof(kSavePointPrefix) - 1;

const char* const kSkipEvents[] = {"ToSkip1", "ToSkip2", "ToSkip3", "ToSkip4", "ToSkip5"};

}  // namespace

void CInGameMenu::OnEvent(std::string name) { ReceiveCommand(std::move(name)); }

void CInGameMenu::ReceiveCommand(std::string command) {
    ReceiveStateCommand(command);
    ReceiveCommonCommand(command);
}

void CInGameMenu::ReceiveStateCommand(const std::string& command) {
    const int32_t state = state_;
    if (state == kMenuStateChanging) {
        if (command != "DisableControl") return;
        if (pendingState_ == kMenuStatePlay) {
            ForceState(kMenuStateControlDisabled, "");
        } else if (IsSkipState(pendingState_)) {
            ForceState(kMenuStateControlDisabled, "EndSkip");
        } else if (pendingState_ == kMenuStateHidden) {
            ForceState(kMenuStateControlDisabled, "EndHide");
        } else {
            RequestState(kMenuStateControlDisabled, "");
        }
    } else if (state == kMenuStatePlay || state == kMenuStateSelection) {
        if (command == "Clip") {
            QuickSave();
        } else if (command == "Menu") {
            RequestState(kMenuStateOpen, "ToMenu");
        } else if (command == "Hide") {
            RequestState(kMenuStateHidden, "ToHide");
        } else if (state == kMenuStatePlay && command == "Skip") {
            RequestState(kMenuStateSkip1, kSkipEvents[0]);
            if (keyWaitActive_) EndGameKeyWait();
        } else if (state == kMenuStatePlay && command == "DisableControl") {
            RequestState(kMenuStateControlDisabled, "");
        }
    } else if (state == kMenuStateControlDisabled) {
        if (command != "EnableControl") return;
        RequestState(kMenuStatePlay, "");
        SetBar("Enable", true, "Enable");
        FadePages("*", 1.0);
    } else if (IsSkipState(state)) {
        if (command == "Skip" && state < kMenuStateSkip5) {
            RequestState(state + 1, kSkipEvents[state + 1 - kMenuStateSkip1]);
        } else if (command == "Cancel") {
            RequestState(kMenuStatePlay, "EndSkip");
        } else if (command == "DisableControl") {
            RequestState(kMenuStateControlDisabled, "EndSkip");
        }
    } else if (state == kMenuStateHidden) {
        if (command == "Cancel") RequestState(baseState_, "EndHide");
    } else if (IsPanelState(state)) {
        ReceivePanelCommand(command);
    } else {
        ReceiveQuestionCommand(command);
    }
}

void CInGameMenu::ReceivePanelCommand(const std::string& command) {
    const int32_t state = state_;
    if (command == "Menu_SE") {
        RequestState(kMenuStateSEVolume, "");
    } else if (command == "Menu_BGM") {
        RequestState(kMenuStateBGMVolume, "");
    } else if (command == "Menu_Quality") {
        RequestState(kMenuStateGraphicEffect, "");
    } else if (command == "Menu_Screen") {
        RequestState(kMenuStateScreenMode, "");
    } else if (command == "Menu_SaveLoad") {
        if (state != kMenuStateSaveLoad) BuildSaveLoadScreen();
        RequestState(kMenuStateSaveLoad, "");
    } else if (command == "Menu_Exit") {
        if (state != kMenuStateExit) BuildExitScreen();
        RequestState(kMenuStateExit, "");
    } else if (command == "EndMenu") {
        RequestState(baseState_, "EndMenu");
    } else if (command == "Cancel") {
        if (state == kMenuStateScreenMode || state == kMenuStateExit || state == kMenuStateSaveLoad) {
            CloseSubScreen();
        } else if (state != kMenuStateOpen) {
            RemoveNode("Menu/Sub");
        }
        RequestState(baseState_, "EndMenu");
    } else {
        ReceivePanelChoice(command);
    }
}

void CInGameMenu::ReceivePanelChoice(const std::string& command) {
    switch (state_) {
        case kMenuStateSEVolume:
            OnSEVolumeChoice(command);
            break;
        case kMenuStateBGMVolume:
            OnBGMVolumeChoice(command);
            break;
        case kMenuStateGraphicEffect:
            OnGraphicEffectChoice(command);
            break;
        case kMenuStateScreenMode:
            OnScreenModeChoice(command);
            break;
        case kMenuStateExit:
            OnExitChoice(command);
            break;
        case kMenuStateSaveLoad:
            OnSaveLoadChoice(command);
            break;
        default:
            break;
    }
}

void CInGameMenu::ReceiveQuestionCommand(const std::string& command) {
    // Each question's state, where "Cancel" returns to with which event, and
    // the handler of its other commands.
    struct Question {
        int32_t state;
        int32_t cancelState;
        const char* cancelEvent;
        void (CInGameMenu::*answer)(std::string);
    };
    static const Question kQuestions[] = {
        {kMenuStateAskGoTitle, kMenuStateExit, "End_GoTitle", &CInGameMenu::OnGoTitleConfirm},
        {kMenuStateAskEndGame, kMenuStateExit, "End_EndGame", &CInGameMenu::OnEndGameConfirm},
        {kMenuStateAskRestart, kMenuStateExit, "End_Restart", &CInGameMenu::OnRestartConfirm},
        {kMenuStateAskClipLoad, kMenuStateSaveLoad, "End_ClipLoad", &CInGameMenu::OnClipLoadConfirm},
    };
    for (const Question& question : kQuestions) {
        if (question.state != state_) continue;
        if (command == "Cancel") {
            RequestState(question.cancelState, question.cancelEvent);
        } else {
            (this->*question.answer)(command);
        }
        return;
    }
}

void CInGameMenu::ReceiveCommonCommand(const std::string& command) {
    if (command == "Stop") {
        if (CScriptPageNode* game = FindGameNode()) game->SetTimeScale(0.0);
    } else if (command == "BackToTitle") {
        ReturnOrRestart("BackToTitle");
    } else if (command == "OnSelectBegin") {
        if (state_ == kMenuStateChanging) {
            if (pendingState_ == kMenuStatePlay) {
                ForceState(kMenuStateSelection, "");
            } else if (IsSkipState(pendingState_)) {
                ForceState(kMenuStateSelection, "EndSkip");
            } else if (pendingState_ == kMenuStateHidden) {
                ForceState(kMenuStateSelection, "EndHide");
            }
        } else if (IsSkipState(state_)) {
            RequestState(kMenuStateSelection, "EndSkip");
        } else {
            RequestState(kMenuStateSelection, "");
        }
    } else if (command == "OnSelectEnd") {
        RequestState(kMenuStatePlay, "");
    } else if (command == "OnKeyWaitBegin") {
        if (IsSkipState(state_)) {
            EndGameKeyWait();
            const int32_t rest = GetConfig().GetSkipWait();
            CScriptPageNode* game = FindGameNode();
            if (rest > 0 && game) {
                CPageScriptPause pause(static_cast<uint32_t>(rest));
                game->ApplyCommand(&pause);
            }
        } else if (state_ == kMenuStateControlDisabled) {
            SetGameSpeedFixed(1.0);
        } else if (state_ == kMenuStateChanging) {
            EndGameKeyWait();
        } else {
            SetGameSpeedFactor(1.0);
            ShowWaitIcon(true);
            keyWaitActive_ = true;
        }
    } else if (command == "OnKeyWaitEnd") {
        ShowWaitIcon(false);
        keyWaitActive_ = false;
    } else if (command.compare(0, kSavePointPrefixLength, kSavePointPrefix) == 0) {
        TakeSavePoint(command.substr(kSavePointPrefixLength));
    }
}

void CInGameMenu::RequestState(int32_t state, std::string event) {
    if (state == state_ || changePending_) return;
    ForceState(state, std::move(event));
}

void CInGameMenu::ForceState(int32_t state, std::string event) {
    previousState_ = state_;
    state_ = kMenuStateChanging;
    if (!event.empty() && RaiseMenuEvent(event)) {
        CScriptPageNode* menu = FindMenuNode();
        if (menu && !menu->GetExecutor()->IsFinished()) {
            changePending_ = true;
            pendingState_ = state;
            return;
        }
    }
    changePending_ = false;
    EnterState(state);
}

bool CInGameMenu::RaiseMenuEvent(std::string event) {
    CScriptPageNode* menu = FindMenuNode();
    if (!menu) return false;
    const std::shared_ptr<CScriptUnit> unit = menu->GetScriptCache()->Find(menu->GetFile());
    if (!unit || !unit->HasPage(event)) return false;
    menu->GetExecutor()->FarCall(menu->GetFile(), event);
    menu->Update(0);
    return true;
}

void CInGameMenu::RemoveNode(std::string path) { GetRootNode()->RemoveAt(std::move(path)); }

void CInGameMenu::TakeSavePoint(const std::string& caption) {
    GetPlayData().vars.caption = caption;
    GetSavedPlayData().vars = GetPlayData().vars;
    if (state_ == kMenuStatePlay || state_ == kMenuStateSelection) ApplyClipRule();
}

void CInGameMenu::QuickSave() { GetSavedPlayData().Save(QuickSaveFileName); }

void CInGameMenu::SendCommand(const char* command) { SendMessage(command); }
