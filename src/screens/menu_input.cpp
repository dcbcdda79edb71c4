// Keys and clicks of the game window turned into menu commands before the
// scene's nodes and listeners see them, and settings changes that concern
// the story's speed or an open panel.
#include <windowsx.h>

#include "platform/config.h"
#include "platform/global_state.h"
#include "scene/script_page_node.h"
#include "screens/in_game_menu.h"
#include "screens/menu_state.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
constexpr double kShortSkipFactor = 16.0;

}  // namespace

int CInGameMenu::HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYUP:
            keyLatch_ = false;
            break;
        case WM_KEYDOWN:
            // A held key repeats without a WM_KEYUP between: it acts once.
            if (keyLatch_) break;
            keyLatch_ = true;
            return OnKeyDown(window, wParam, lParam);
        case WM_LBUTTONDOWN:
            return OnLeftButtonDown(window, wParam, lParam);
        case WM_RBUTTONDOWN:
            SendCommand(state_ == kMenuStatePlay || state_ == kMenuStateSelection ? "Hide" : "Cancel");
            break;
        case kSettingChangedMessage:
            return OnSettingChanged(window, wParam, lParam);
        default:
            break;
    }
    return CScene::HandleWindowMessage(window, message, wParam, lParam);
}

int CInGameMenu::OnKeyDown(HWND window, WPARAM key, LPARAM lParam) {
    // Every rule reads the state the key arrived in: a "Cancel" sent for the
    // key changes the state, and a key that ends hiding or closes a panel
    // must not go on to the story's key wait.
    const int32_t arrived = state_;
    switch (key) {
        case VK_TAB:
        case VK_ESCAPE:
            return CScene::HandleWindowMessage(window, WM_KEYDOWN, key, lParam);
        case VK_RETURN:
        case VK_SPACE:
            if (arrived == kMenuStatePlay) {
                // A key wait of the story takes the key first; the key is
                // offered to the scene only once.
                const int taken = CScene::HandleWindowMessage(window, WM_KEYDOWN, key, lParam);
                if (taken) return 1;
                if (GetConfig().IsValidShortSkip()) {
                    ShortSkip();
                    return 1;
                }
                SendCommand("Cancel");
                return taken;
            }
            // One "Cancel": hiding ends, a panel closes, a question goes
            // back to its panel and the menu stays open.
            if (IsModalState(arrived)) {
                SendCommand("Cancel");
                return 1;
            }
            break;
        case VK_SHIFT:
            SendCommand(arrived == kMenuStatePlay || arrived == kMenuStateSelection ? "Hide" : "Cancel");
            return CScene::HandleWindowMessage(window, WM_KEYDOWN, key, lParam);
        case VK_CONTROL:
            if (arrived == kMenuStatePlay || IsSkipState(arrived)) {
                GetRootNode()->Request("Menu/Menu/Skip", "ButtonDown");
            } else {
                SendCommand("Cancel");
            }
            return CScene::HandleWindowMessage(window, WM_KEYDOWN, key, lParam);
        default:
            break;
    }
    SendCommand("Cancel");
    if (IsModalState(arrived)) return 1;
    return CScene::HandleWindowMessage(window, WM_KEYDOWN, key, lParam);
}

int CInGameMenu::OnLeftButtonDown(HWND window, WPARAM wParam, LPARAM lParam) {
    if (state_ == kMenuStatePlay) {
        const int taken = CScene::HandleWindowMessage(window, WM_LBUTTONDOWN, wParam, lParam);
        if (taken || !GetConfig().IsValidShortSkip()) return taken;
        ShortSkip();
        return 1;
    }
    if (IsSkipState(state_)) {
        if (ClickHits("Menu/Menu/Skip", lParam)) {
            return CScene::HandleWindowMessage(window, WM_LBUTTONDOWN, wParam, lParam);
        }
        SendCommand("Cancel");
        return 1;
    }
    if (state_ == kMenuStateHidden) {
        SendCommand("Cancel");
        return 1;
    }
    if (IsPanelState(state_)) {
        if (ClickHits("Menu/Config", lParam) || ClickHits("Menu/Sub", lParam)) {
            return CScene::HandleWindowMessage(window, WM_LBUTTONDOWN, wParam, lParam);
        }
        SendCommand("Cancel");
        return 1;
    }
    return CScene::HandleWindowMessage(window, WM_LBUTTONDOWN, wParam, lParam);
}

int CInGameMenu::OnSettingChanged(HWND window, WPARAM id, LPARAM value) {
    if (id == kSettingGameSpeed) {
        if (baseState_ == kMenuStatePlay) {
            if (CScriptPageNode* game = FindGameNode()) {
                game->SetTimeScale(speedFixed_ ? speedFactor_ : GetConfig().GetGameSpeed() * speedFactor_);
            }
        }
        return 1;
    }
    switch (state_) {
        case kMenuStateSEVolume:
            RefreshSEVolumeItems();
            break;
        case kMenuStateBGMVolume:
            RefreshBGMVolumeItems();
            break;
        case kMenuStateGraphicEffect:
            RefreshGraphicEffectItems();
            break;
        case kMenuStateScreenMode:
            RefreshScreenModeItems();
            break;
        default:
            break;
    }
    return CScene::HandleWindowMessage(window, kSettingChangedMessage, id, value);
}

void CInGameMenu::ShortSkip() { SetGameSpeedFactor(kShortSkipFactor); }

bool CInGameMenu::ClickHits(const char* path, LPARAM lParam) {
    return GetRootNode()->IsHitAt(path, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), kIdentity);
}
