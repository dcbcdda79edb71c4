#include "optionpad/option_dialog.h"

#include <array>
#include <string>

#include "optionpad/option_bars.h"
#include "optionpad/option_ids.h"
#include "optionpad/option_switches.h"
#include "platform/config.h"
#include "platform/program_instance.h"

namespace {

struct BarControl {
    int barId;
    int labelId;
    OptionBar bar;
};

const std::array<BarControl, 5> kBarControls = {{
    {kOptionSEBar, kOptionSELabel, OptionBar::kSEVolume},
    {kOptionBGMBar, kOptionBGMLabel, OptionBar::kBGMVolume},
    {kOptionFPSBar, kOptionFPSLabel, OptionBar::kBaseFPS},
    {kOptionSpeedBar, kOptionSpeedLabel, OptionBar::kGameSpeed},
    {kOptionSkipWaitBar, kOptionSkipWaitLabel, OptionBar::kSkipWait},
}};

const BarControl* FindBarControl(int barId) {
    for (const BarControl& control : kBarControls) {
        if (control.barId == barId) return &control;
    }
    return nullptr;
}

CConfig& DialogConfig(HWND dialog) {
    return *reinterpret_cast<CConfig*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void ShowSwitch(HWND dialog, const CConfig& config, const OptionSwitch& option) {
    CheckDlgButton(dialog, option.id, (config.*option.isOn)() ? BST_CHECKED : BST_UNCHECKED);
}

// Replaces a label's text only when it shows something else, so an unchanged
// label does not flicker.
void ShowLabel(HWND dialog, int id, const std::string& text) {
    char shown[256] = {};
    GetWindowTextA(GetDlgItem(dialog, id), shown, sizeof shown);
    if (text != shown) SetWindowTextA(GetDlgItem(dialog, id), text.c_str());
}

// Redraws every control from the settings.
void Refresh(HWND dialog, const CConfig& config) {
    for (size_t i = 0; i < kSystemSwitchCount; ++i) ShowSwitch(dialog, config, kOptionSwitches[i]);
    // Without MMX there is no SSE path either: the SSE box shows its
    // setting but cannot be changed.
    EnableWindow(GetDlgItem(dialog, kOptionUseSSE), config.IsUseMMX());
    for (size_t i = kSystemSwitchCount; i < kOptionSwitches.size(); ++i) {
        ShowSwitch(dialog, config, kOptionSwitches[i]);
    }
    for (const BarControl& control : kBarControls) {
        ShowLabel(dialog, control.labelId, GetBarLabel(config, control.bar));
    }
    for (const BarControl& control : kBarControls) {
        SetScrollPos(GetDlgItem(dialog, control.barId), SB_CTL, GetBarPosition(config, control.bar),
                     TRUE);
    }
}

void InitDialog(HWND dialog, CConfig& config) {
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&config));
    HICON icon = LoadIconA(GetProgramInstance(), MAKEINTRESOURCEA(OPTIONPAD_ICON));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    for (const BarControl& control : kBarControls) {
        const BarRange range = GetBarRange(control.bar);
        SetScrollRange(GetDlgItem(dialog, control.barId), SB_CTL, range.minimum, range.maximum,
                       TRUE);
    }
    Refresh(dialog, config);
}

void OnCommand(HWND dialog, int id) {
    CConfig& config = DialogConfig(dialog);
    if (id == kOptionApply) {
        config.Save(kOptionConfigPath);
        EndDialog(dialog, 1);
    } else if (id == kOptionCancel) {
        EndDialog(dialog, 1);
    } else if (id == kOptionDefaults) {
        config.SetDefaults();
        Refresh(dialog, config);
    } else if (const OptionSwitch* option = FindOptionSwitch(id)) {
        // The box has already changed its own check mark; the settings decide.
        FlipOptionSwitch(config, *option);
        Refresh(dialog, config);
    }
}

// Moves the bar, then stores the setting of that bar alone: the others keep
// what was loaded even where the bars cannot show it exactly.
void OnScroll(HWND dialog, HWND bar, int code, int thumb) {
    const BarControl* control = FindBarControl(GetDlgCtrlID(bar));
    if (!control) return;
    BarRange range = {};
    GetScrollRange(bar, SB_CTL, &range.minimum, &range.maximum);
    const std::optional<int> moved = GetScrolledPosition(
        GetBarSteps(control->bar), range, GetScrollPos(bar, SB_CTL), code, thumb);
    if (!moved) return;
    SetScrollPos(bar, SB_CTL, *moved, TRUE);
    CConfig& config = DialogConfig(dialog);
    StoreBarPosition(config, control->bar, GetScrollPos(bar, SB_CTL));
    Refresh(dialog, config);
}

}  // namespace

INT_PTR CALLBACK OptionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            InitDialog(dialog, *reinterpret_cast<CConfig*>(lParam));
            return 1;
        case WM_CLOSE:
            EndDialog(dialog, 1);
            return 1;
        case WM_COMMAND:
            OnCommand(dialog, LOWORD(wParam));
            return 1;
        case WM_HSCROLL:
            if (!lParam) return 0;
            OnScroll(dialog, reinterpret_cast<HWND>(lParam), LOWORD(wParam),
                     static_cast<short>(HIWORD(wParam)));
            return 1;
        default:
            return 0;
    }
}
