// What entering each menu state does: the menu bar's buttons, the story's
// speed, the fades of the layers, the panels and the scene changes.
#include <memory>

#include "app/application.h"
#include "platform/config.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "scene/script_page_node.h"
#include "screens/in_game_menu.h"
#include "screens/menu_opacity_fade.h"
#include "screens/menu_state.h"
#include "screens/page_opacity_fade.h"
#include "screens/quick_save.h"
#include "screens/slot_screen.h"
#include "script/scene_host.h"
#include "script/script_command_kind.h"
#include "script/wait_key_statement.h"

namespace {

constexpr uint32_t kLayerFade = 500;
constexpr uint32_t kWaitIconFade = 500;
const double kSkipFactors[] = {1.0, 2.0, 4.0, 8.0, 16.0};

}  // namespace

void CInGameMenu::EnterState(int32_t state) {
    if (state == state_ || state == previousState_) return;
    previousState_ = state_;
    state_ = state;
    switch (state) {
        case kMenuStatePlay: {
            baseState_ = kMenuStatePlay;
            SetBar("Enable", true, "Enable");
            SetGameSpeedFactor(1.0);
            CScriptPageNode* game = FindGameNode();
            if (game && game->QueryMenuCommand()) {
                // Skipping rested on a key wait that it passed: the line
                // waits for a key again.
                game->FinishMenuCommand();
                CWaitKeyStatement wait;
                game->ApplyCommand(&wait);
            }
            FadePages("*", 1.0);
            break;
        }
        case kMenuStateControlDisabled: {
            SetBar("Disable", false, "Disable");
            SetGameSpeedFixed(1.0);
            FadePages("Menu", 0.0);
            StopScript();
            if (CScriptPageNode* game = FindGameNode()) {
                game->StopScript();
                game->Update(1);
            }
            if (keyWaitActive_) EndGameKeyWait();
            break;
        }
        case kMenuStateSelection:
            baseState_ = kMenuStateSelection;
            SetBar("Disable", true, "Enable");
            SetGameSpeedFixed(1.0);
            FadePages("*", 1.0);
            break;
        case kMenuStateHidden:
            SetBar("Disable", false, "Disable");
            StopStory();
            FadePages("*", 0.0);
            break;
        case kMenuStateOpen:
            GetRootNode()->Request("Menu/Config/Item*", "#Release");
            StopStory();
            break;
        case kMenuStateSEVolume:
            BuildSEVolumeScreen();
            StopStory();
            break;
        case kMenuStateBGMVolume:
            BuildBGMVolumeScreen();
            StopStory();
            break;
        case kMenuStateGraphicEffect:
            BuildGraphicEffectScreen();
            StopStory();
            break;
        case kMenuStateScreenMode:
            BuildScreenModeScreen();
            StopStory();
            break;
        case kMenuStateGoTitle:
            ReturnOrRestart("BackToTitle");
            StopStory();
            break;
        case kMenuStateEndGame:
            PostMessageA(GetMainWindowHandle(), WM_CLOSE, 0, 0);
            StopStory();
            break;
        case kMenuStateRestart:
            GetPlayData().vars = GetSavedPlayData().vars;
            ReturnOrRestart("");
            break;
        case kMenuStateSaveScreen:
            GetSceneHost()->CallScene(std::make_unique<CSaveScreen>());
            StopStory();
            break;
        case kMenuStateLoadScreen:
            GetSceneHost()->CallScene(std::make_unique<CLoadScreen>());
            StopStory();
            break;
        case kMenuStateClipLoad:
            LoadQuickSave();
            break;
        default:
            if (IsSkipState(state)) {
                SetGameSpeedFactor(kSkipFactors[state - kMenuStateSkip1]);
            } else {
                StopStory();
            }
            break;
    }
}

void CInGameMenu::LoadQuickSave() {
    if (!GetPlayData().Load(QuickSaveFileName)) {
        RequestState(kMenuStateSaveLoad, "");
        return;
    }
    GetSavedPlayData().vars = GetPlayData().vars;
    ReturnOrRestart("LoadGame");
    StopStory();
}

void CInGameMenu::ShowWaitIcon(bool show) {
    CMenuOpacityFade fade(kWaitIconFade, show ? 1.0 : 0.0);
    GetRootNode()->ApplyCommandAt("Menu/WaitIcon", &fade);
}

void CInGameMenu::ApplyClipRule() {
    GetRootNode()->Request("Menu/Menu/Clip", GetSavedPlayData().vars.caption.empty() ? "Disable" : "Enable");
}

void CInGameMenu::SetBar(const char* skip, bool clipByRule, const char* system) {
    CNode* canvas = GetRootNode();
    canvas->Request("Menu/Menu/Skip", skip);
    if (clipByRule) {
        ApplyClipRule();
    } else {
        canvas->Request("Menu/Menu/Clip", "Disable");
    }
    canvas->Request("Menu/Menu/System", system);
}

void CInGameMenu::StopStory() {
    speedFactor_ = 0.0f;
    if (CScriptPageNode* game = FindGameNode()) {
        game->SetTimeScale(0.0);
        game->StopScript();
    }
}

void CInGameMenu::FadePages(const char* path, double target) {
    CPageOpacityFade fade(kLayerFade, target);
    GetRootNode()->ApplyCommandAt(path, &fade);
}

void CInGameMenu::EndGameKeyWait() {
    CScriptPageNode* game = FindGameNode();
    if (game && game->GetPendingStatement() && game->GetPendingStatement()->GetKind() == kKindWaitKey) {
        game->DropPendingStatement();
    }
}
