#include "app/menu_settings.h"

#include <cstdint>

#include "app/menu_ids.h"
#include "platform/config.h"

namespace {

struct ScreenModeItem {
    int id;
    int32_t mode;
};
const ScreenModeItem kScreenModes[] = {
    {kMenuWindow, kScreenWindow},
    {kMenuFullScreen16, kScreenFull16},
    {kMenuFullScreen24, kScreenFull24},
    {kMenuFullScreen32, kScreenFull32},
};

struct VolumeItem {
    int id;
    int32_t volume;
};
const VolumeItem kSEVolumes[] = {
    {kMenuSEVolume1, -2000}, {kMenuSEVolume2, -1500}, {kMenuSEVolume3, -1000},
    {kMenuSEVolume4, -500},  {kMenuSEVolume5, 0},
};
const VolumeItem kBGMVolumes[] = {
    {kMenuBGMVolume1, -2000}, {kMenuBGMVolume2, -1500}, {kMenuBGMVolume3, -1000},
    {kMenuBGMVolume4, -500},  {kMenuBGMVolume5, 0},
};

struct SpeedItem {
    int id;
    double speed;
};
const SpeedItem kSpeeds[] = {
    {kMenuSpeed050, 0.5},  {kMenuSpeed075, 0.75}, {kMenuSpeed090, 0.9},
    {kMenuSpeed100, 1.0},  {kMenuSpeed110, 1.1},  {kMenuSpeed125, 1.25},
    {kMenuSpeed150, 1.5},  {kMenuSpeed175, 1.75}, {kMenuSpeed200, 2.0},
    {kMenuSpeed250, 2.5},  {kMenuSpeed300, 3.0},  {kMenuSpeed400, 4.0},
    {kMenuSpeed800, 8.0},  {kMenuSpeed1600, 16.0},
};
// A speed within this distance of an item's value checks that item.
constexpr double kSpeedTolerance = 0.001;

struct ValueItem {
    int id;
    int32_t value;
};
const ValueItem kSkipWaits[] = {
    {kMenuSkipWait00, 0},    {kMenuSkipWait05, 500},  {kMenuSkipWait10, 1000},
    {kMenuSkipWait15, 1500}, {kMenuSkipWait20, 2000}, {kMenuSkipWait25, 2500},
    {kMenuSkipWait30, 3000}, {kMenuSkipWait40, 4000}, {kMenuSkipWait50, 5000},
};
const ValueItem kFrameRates[] = {
    {kMenuFps60, 60}, {kMenuFps45, 45}, {kMenuFps30, 30}, {kMenuFps15, 15},
};

struct ToggleItem {
    int id;
    bool (CConfig::*get)() const;
    void (CConfig::*set)(bool);
    // The one toggle that refreshes the marks at once.
    bool refresh;
};
const ToggleItem kToggles[] = {
    {kMenuAntiText, &CConfig::IsAntiText, &CConfig::SetAntiText, true},
    {kMenuNoiseCut, &CConfig::IsNoiseCut, &CConfig::SetNoiseCut, false},
    {kMenuCancelScreenSave, &CConfig::IsCancelScreenSave, &CConfig::SetCancelScreenSave, false},
    {kMenuCancelSleep, &CConfig::IsCancelSleep, &CConfig::SetCancelSleep, false},
    {kMenuCancelMonitorOff, &CConfig::IsCancelMonitorOff, &CConfig::SetCancelMonitorOff, false},
    {kMenuDiagnosis, &CConfig::IsDiagnosis, &CConfig::SetDiagnosis, false},
    {kMenuAutoPause, &CConfig::IsAutoPause, &CConfig::SetAutoPause, false},
    {kMenuAutoMute, &CConfig::IsAutoMute, &CConfig::SetAutoMute, false},
    {kMenuShortSkip, &CConfig::IsValidShortSkip, &CConfig::SetValidShortSkip, false},
    {kMenuExitDialog, &CConfig::IsValidExitDialog, &CConfig::SetValidExitDialog, false},
    {kMenuPlayMovie, &CConfig::IsPlayMovie, &CConfig::SetPlayMovie, false},
    {kMenuUseMMX, &CConfig::IsUseMMX, &CConfig::SetUseMMX, false},
    {kMenuUseSSE, &CConfig::IsUseSSE, &CConfig::SetUseSSE, false},
};

// The volume sub-menus: "0 - OFF" switches the channel off and keeps its
// volume; a level switches it on at that volume.
struct VolumeMenu {
    int offId;
    const VolumeItem* items;
    bool (CConfig::*isOn)() const;
    void (CConfig::*setOn)(bool);
    int32_t (CConfig::*getVolume)() const;
    void (CConfig::*setVolume)(int32_t);
};
const VolumeMenu kVolumeMenus[] = {
    {kMenuSEOff, kSEVolumes, &CConfig::IsPlaySE, &CConfig::SetPlaySE, &CConfig::GetSEVolume,
     &CConfig::SetSEVolume},
    {kMenuBGMOff, kBGMVolumes, &CConfig::IsPlayBGM, &CConfig::SetPlayBGM,
     &CConfig::GetBGMVolume, &CConfig::SetBGMVolume},
};
constexpr int kVolumeLevels = 5;

bool ApplyVolumeCommand(CConfig& config, int commandId) {
    for (const VolumeMenu& menu : kVolumeMenus) {
        if (commandId == menu.offId) {
            (config.*menu.setOn)(false);
            return true;
        }
        for (int i = 0; i < kVolumeLevels; ++i) {
            if (commandId == menu.items[i].id) {
                (config.*menu.setOn)(true);
                (config.*menu.setVolume)(menu.items[i].volume);
                return true;
            }
        }
    }
    return false;
}

bool ApplyValueCommand(CConfig& config, int commandId) {
    for (const ScreenModeItem& item : kScreenModes) {
        if (commandId == item.id) {
            config.SetScreenMode(item.mode);
            return true;
        }
    }
    if (commandId == kMenuEffectOff || commandId == kMenuEffectOn) {
        config.SetUseEffect(commandId == kMenuEffectOn);
        return true;
    }
    for (const SpeedItem& item : kSpeeds) {
        if (commandId == item.id) {
            config.SetGameSpeed(static_cast<float>(item.speed));
            return true;
        }
    }
    for (const ValueItem& item : kSkipWaits) {
        if (commandId == item.id) {
            config.SetSkipWait(item.value);
            return true;
        }
    }
    for (const ValueItem& item : kFrameRates) {
        if (commandId == item.id) {
            config.SetBaseFPS(item.value);
            return true;
        }
    }
    return ApplyVolumeCommand(config, commandId);
}

}  // namespace

MenuSettingResult ApplyMenuSetting(CConfig& config, int commandId) {
    if (ApplyValueCommand(config, commandId)) return MenuSettingResult::kRefresh;
    for (const ToggleItem& item : kToggles) {
        if (commandId == item.id) {
            (config.*item.set)(!(config.*item.get)());
            return item.refresh ? MenuSettingResult::kRefresh : MenuSettingResult::kToggled;
        }
    }
    return MenuSettingResult::kNotSetting;
}

std::vector<std::pair<int, bool>> MenuCheckStates(const CConfig& config) {
    std::vector<std::pair<int, bool>> states;
    for (const ScreenModeItem& item : kScreenModes) {
        states.emplace_back(item.id, config.GetScreenMode() == item.mode);
    }
    states.emplace_back(kMenuEffectOff, !config.IsUseEffect());
    states.emplace_back(kMenuEffectOn, config.IsUseEffect());
    for (const VolumeMenu& menu : kVolumeMenus) {
        const bool on = (config.*menu.isOn)();
        states.emplace_back(menu.offId, !on);
        for (int i = 0; i < kVolumeLevels; ++i) {
            states.emplace_back(menu.items[i].id,
                                on && (config.*menu.getVolume)() == menu.items[i].volume);
        }
    }
    const double speed = config.GetGameSpeed();
    for (const SpeedItem& item : kSpeeds) {
        states.emplace_back(item.id, item.speed - kSpeedTolerance < speed &&
                                         speed < item.speed + kSpeedTolerance);
    }
    for (const ValueItem& item : kSkipWaits) {
        states.emplace_back(item.id, config.GetSkipWait() == item.value);
    }
    for (const ValueItem& item : kFrameRates) {
        states.emplace_back(item.id, config.GetBaseFPS() == item.value);
    }
    for (const ToggleItem& item : kToggles) {
        states.emplace_back(item.id, (config.*item.get)());
    }
    return states;
}
