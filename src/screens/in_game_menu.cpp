#include "screens/in_game_menu.h"

#include <utility>

#include "platform/config.h"
#include "platform/data_file.h"
#include "platform/error_report.h"
#include "platform/frame_clock_flags.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "scene/color_node.h"
#include "scene/script_page_node.h"
#include "screens/menu_opacity_fade.h"
#include "screens/menu_state.h"
#include "screens/quick_save.h"
#include "script/scene_host.h"

namespace {

constexpr int kPlaceNoScript = 91;
constexpr int kCanvasWidth = 800;
constexpr int kCanvasHeight = 600;
constexpr int kMenuFadeIn = 1000;

// The frame clock back to its own steps.
void ClearClockModes() {
    FrameClockFlags().timeCritical = false;
    FrameClockFlags().musicSync = false;
}

}  // namespace

CInGameMenu::CInGameMenu(std::string scriptName) : CScene(std::move(scriptName)) {}

CInGameMenu::~CInGameMenu() { Close(); }

void CInGameMenu::Update(int ms) {
    if (restartPending_) {
        restartPending_ = false;
        if (restartFresh_) GetPlayData().vars = CPlayData().vars;
        Open(GetSceneHost());
    }
    CScene::Update(ms);
    if (changePending_) {
        CScriptPageNode* menu = FindMenuNode();
        if (!menu || menu->GetExecutor()->IsFinished()) {
            changePending_ = false;
            EnterState(pendingState_);
        }
    }
    if ((state_ == kMenuStateSaveScreen || state_ == kMenuStateLoadScreen) && GetSceneHost()->GetCurrentScene() == this) {
        ReturnFromSlotScreen();
    }
    if (IsScriptFinished()) GetSceneHost()->ReturnScene(std::string());
}

void CInGameMenu::OnReturned(CScene*, std::string label) {
    if (label == "LoadGame") ReturnOrRestart(label);
}

void CInGameMenu::OnLeave() {
    ClearClockModes();
    GetSceneHost()->GetSEGroup()->Clear();
}

int CInGameMenu::GetSceneKind() { return 2; }

bool CInGameMenu::IsScriptFinished() {
    CScriptPageNode* game = FindGameNode();
    return !game || game->GetExecutor()->IsFinished();
}

void CInGameMenu::StartMain() {
    ClearClockModes();
    CSceneHost* host = GetSceneHost();
    host->GetSEGroup()->Clear();
    host->GetBGMGroup()->Clear();
    host->GetVoiceGroup()->Clear();
    state_ = kMenuStatePlay;
    baseState_ = kMenuStatePlay;
    changePending_ = false;
    keyWaitActive_ = false;
    keyLatch_ = false;
    speedFactor_ = 1.0f;
    speedFixed_ = false;
    if (GetScriptName().empty()) ErrorReport(ErrorKind::Internal, kModuleInGameMenu, kPlaceNoScript);

    CNode* canvas = GetRootNode();
    auto* back = new CColorNode(0, 0, 0, kCanvasWidth, kCanvasHeight, 0xFF000000, kColorBlendNormal);
    canvas->AddChild("Back", back);
    back->Reset();
    auto* menu = new CScriptPageNode(0, 0, 200, "mn/Menu.txt", 1.0);
    canvas->AddChild("Menu", menu);
    menu->Reset();
    auto* game = new CScriptPageNode(0, 0, 100, GetScriptName(), GetConfig().GetGameSpeed() * speedFactor_);
    canvas->AddChild("Game", game);
    game->Reset();

    CMenuOpacityFade hidden(0, 0.0);
    menu->ApplyCommand(&hidden);
    CMenuOpacityFade fadeIn(kMenuFadeIn, 1.0);
    menu->ApplyCommand(&fadeIn);
    canvas->Request("Menu/Menu/Clip", "Disable");
    Update(0);
}

void CInGameMenu::ReturnOrRestart(const std::string& label) {
    CSceneHost* host = GetSceneHost();
    if (host->GetStackSize() > 0) {
        host->ReturnScene(label);
        return;
    }
    restartPending_ = true;
    restartFresh_ = label == "BackToTitle";
}

void CInGameMenu::ReturnFromSlotScreen() {
    CDataFile quickSave;
    const bool present = quickSave.OpenStream(QuickSaveFileName, "rb", true) == 0;
    quickSave.Close();
    GetRootNode()->Request("Menu/Sub/N/Clip", present ? "Enable" : "Disable");
    RequestState(kMenuStateSaveLoad, "");
}

CScriptPageNode* CInGameMenu::FindGameNode() { return FindPage("Game"); }

CScriptPageNode* CInGameMenu::FindMenuNode() { return FindPage("Menu"); }

void CInGameMenu::SetGameSpeedFactor(double factor) {
    CScriptPageNode* game = FindGameNode();
    if (!game) return;
    speedFixed_ = false;
    speedFactor_ = static_cast<float>(factor);
    game->SetTimeScale(GetConfig().GetGameSpeed() * speedFactor_);
}

void CInGameMenu::SetGameSpeedFixed(double speed) {
    CScriptPageNode* game = FindGameNode();
    if (!game) return;
    speedFixed_ = true;
    speedFactor_ = static_cast<float>(speed);
    game->SetTimeScale(speed);
}

CScriptPageNode* CInGameMenu::FindPage(const char* name) {
    const auto& children = GetRootNode()->GetChildren();
    auto found = children.find(name);
    if (found == children.end() || found->second->GetNodeKind() != kNodeKindScriptPage) return nullptr;
    return static_cast<CScriptPageNode*>(found->second);
}
