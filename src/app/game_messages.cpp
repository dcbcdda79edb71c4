// The game window's messages and menu commands, as CGameMain answers them.
#include <windows.h>

#include <string>

#include "app/application.h"
#include "app/game_main.h"
#include "app/menu_ids.h"
#include "app/menu_settings.h"
#include "app/published_game.h"
#include "media/sound_available.h"
#include "platform/config.h"
#include "platform/cpu_info.h"
#include "platform/global_state.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/process_start.h"

namespace {

const char kExitQuestion[] = "Lanternmoss-Sidelight- を終了してもよろしいですか？";
const char kExitCaption[] = "Lanternmoss-Sidelight- 終了確認";

const char kAboutCaption[] = "バージョン情報";
const char kAboutText[] =
    "Lanternmoss-Sidelight- Wrenfield Winter\n"
    "Lumenfold System version 2.0.6\n"
    "Copyright (C) Harrowmere Inc. All rights reserved.\n"
    "\n"
    "Using Library:\n"
    "Ogg Vorbis: Copyright (C) Xiph.Org Foundation\n"
    "zlib: Copyright (C) Jean-loup Gailly and Mark Adler\n"
    "libpng: Copyright (C) the PNG Reference Library Authors";
// The language of the about box's button.
constexpr DWORD kAboutLanguage = 0x2411;

// The twelve volume items, greyed without sound.
const int kVolumeItems[] = {
    kMenuSEOff,      kMenuSEVolume1,  kMenuSEVolume2,  kMenuSEVolume3,
    kMenuSEVolume4,  kMenuSEVolume5,  kMenuBGMOff,     kMenuBGMVolume1,
    kMenuBGMVolume2, kMenuBGMVolume3, kMenuBGMVolume4, kMenuBGMVolume5,
};

struct ScreenModeSwitch {
    int mode;
    bool fullScreen;
    int width;
    int height;
    int bitDepth;
};
const ScreenModeSwitch kScreenModeSwitches[] = {
    {0, false, 640, 480, 0},  {1, false, 800, 600, 0},  {2, true, 640, 480, 16},
    {3, true, 640, 480, 24},  {4, true, 640, 480, 32},  {5, true, 800, 600, 16},
    {6, true, 800, 600, 24},  {7, true, 800, 600, 32},
};

void EnableItem(HMENU menu, int id, bool enabled) {
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

int CGameMain::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const CConfig& config = GetConfig();
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            if (started_)
                Repaint();
            else
                startupScreen_.Redraw(paint.hdc, paint.rcPaint);
            EndPaint(window, &paint);
            return 1;
        }
        case WM_ERASEBKGND:
            if (started_) Repaint();
            return 1;
        case WM_ACTIVATE:
            if (started_) Repaint();
            // Activated while minimised counts as inactive.
            active_ = wParam == WA_ACTIVE || wParam == WA_CLICKACTIVE;
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_TAB) {
                GetConfig().SetScreenMode(kScreenWindow);
                return 1;
            }
            if (wParam == VK_ESCAPE) {
                RequestExit();
                return 1;
            }
            return 0;
        case WM_COMMAND:
            return HandleCommand(LOWORD(wParam));
        case WM_SYSCOMMAND:
            return HandleSystemCommand(wParam);
        case WM_POWER:
            if (wParam != PWR_SUSPENDREQUEST) return 0;
            return config.IsCancelSleep() ? PWR_FAIL : PWR_OK;
        case WM_POWERBROADCAST:
            if (wParam != PBT_APMQUERYSUSPEND) return 0;
            return config.IsCancelSleep() ? BROADCAST_QUERY_DENY : 0;
        case WM_INITMENU:
            RefreshMenuChecks();
            return 0;
        case kSettingChangedMessage:
            return HandleSettingChanged(wParam, lParam);
        case kExitConfirmMessage:
            return ConfirmExit();
        default:
            return 0;
    }
}

int CGameMain::HandleSystemCommand(WPARAM command) {
    const CConfig& config = GetConfig();
    // The low four bits of a system command are the system's own.
    switch (command & 0xFFF0) {
        case SC_CLOSE:
            if (config.IsValidExitDialog()) {
                RequestExit();
                return 1;
            }
            // The default handling then sends WM_CLOSE.
            application_->ClearRunning();
            return 0;
        case SC_SCREENSAVE:
            return config.IsCancelScreenSave() ? 1 : 0;
        case SC_MONITORPOWER:
            return config.IsCancelMonitorOff() ? 1 : 0;
        default:
            return 0;
    }
}

int CGameMain::HandleSettingChanged(WPARAM id, LPARAM value) {
    switch (id) {
        case kSettingScreenMode:
            if (started_) ApplyScreenMode(static_cast<int>(value));
            return 1;
        case kSettingBaseFPS:
            limiter_.SetFrameRate(static_cast<uint32_t>(value));
            return 1;
        case kSettingNoiseCut:
            // A buffer not made at start-up stays silent either way.
            if (IsSoundAvailable() && value != 0) {
                noiseCut_.Play();
            } else {
                noiseCut_.Stop();
            }
            return 1;
        default:
            return 0;
    }
}

int CGameMain::HandleCommand(int commandId) {
    switch (commandId) {
        case kMenuExit:
            RequestExit();
            return 1;
        case kMenuAbout:
            ShowAboutBox();
            return 1;
        case kMenuReadMe:
            OpenReadMe();
            return 1;
        case kMenuDiagnosisReport:
            OpenDiagnosisReport();
            return 1;
        default:
            break;
    }
    if (ApplyMenuSetting(GetConfig(), commandId) == MenuSettingResult::kToggled) return 1;
    RefreshMenuChecks();
    return 0;
}

void CGameMain::RequestExit() {
    if (!GetConfig().IsValidExitDialog()) {
        application_->ClearRunning();
        return;
    }
    ReturnToWindowMode();
    // Posted, so the question comes after the switch to window mode.
    PostMessageA(application_->MainWindow().Handle(), kExitConfirmMessage, 0, 0);
}

int CGameMain::ConfirmExit() {
    MessageBoxRequest box;
    box.owner = application_->MainWindow().Handle();
    box.text = kExitQuestion;
    box.caption = kExitCaption;
    box.style = MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_TOPMOST;
    if (ShowMessageBox(box) != IDYES) return 1;
    application_->ClearRunning();
    return 0;
}

void CGameMain::ReturnToWindowMode() {
    if (GetConfig().GetScreenMode() != kScreenWindow) GetConfig().SetScreenMode(kScreenWindow);
}

void CGameMain::ShowAboutBox() {
    ReturnToWindowMode();
    const HWND window = application_->MainWindow().Handle();
    MessageBoxRequest box;
    box.owner = window;
    box.instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    box.iconId = kAboutIconId;
    box.text = kAboutText;
    box.caption = kAboutCaption;
    box.style = MB_USERICON | MB_SETFOREGROUND;
    box.languageId = kAboutLanguage;
    ShowMessageBox(box);
}

void CGameMain::OpenReadMe() { OpenInEditor("ReadMe.txt"); }

void CGameMain::OpenDiagnosisReport() { OpenInEditor("UserData\\Debug.txt"); }

void CGameMain::OpenInEditor(const char* relativePath) {
    ReturnToWindowMode();
    // A missing editor or file is not reported.
    processes_.Start("notepad " + GetProgramDirectory() + relativePath, false);
}

void CGameMain::EnableMenuItems() {
    const HMENU menu = GetMenu(application_->MainWindow().Handle());
    const CFullScreenModeFlags& modes = FullScreenModeFlags();
    EnableItem(menu, kMenuWindow, true);
    EnableItem(menu, kMenuFullScreen16, modes.full16);
    EnableItem(menu, kMenuFullScreen24, modes.full24);
    EnableItem(menu, kMenuFullScreen32, modes.full32);
    if (!IsSoundAvailable()) {
        for (int id : kVolumeItems) EnableItem(menu, id, false);
    }
    EnableItem(menu, kMenuUseMMX, HasMMX());
    EnableItem(menu, kMenuUseSSE, HasSSE());
}

void CGameMain::RefreshMenuChecks() {
    const HMENU menu = GetMenu(application_->MainWindow().Handle());
    for (const auto& [id, checked] : MenuCheckStates(GetConfig())) {
        CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

bool CGameMain::ApplyScreenMode(int mode) {
    for (const ScreenModeSwitch& entry : kScreenModeSwitches) {
        if (entry.mode != mode) continue;
        if (display_.SetMode(entry.fullScreen, entry.width, entry.height, entry.bitDepth) != 0) {
            return false;
        }
        break;
    }
    Repaint();
    PostMessageA(application_->MainWindow().Handle(), kMovieNotifyMessage, 0, 0);
    return true;
}
