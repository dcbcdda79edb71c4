// The settings side of the game window's menu: what each command id stores
// in CConfig, and which items carry a check mark for the current settings.
// One table per sub-menu serves both, so a command and its mark never
// disagree.
#pragma once

#include <utility>
#include <vector>

class CConfig;

enum class MenuSettingResult {
    // A value was chosen: the check marks are refreshed at once.
    kRefresh,
    // A switch was toggled: its mark is set the next time the menu opens.
    kToggled,
    // Not a settings command.
    kNotSetting,
};

// Stores the command's setting through the CConfig setters, which announce
// the change to the game window.
MenuSettingResult ApplyMenuSetting(CConfig& config, int commandId);

// Every item that carries a check mark, with whether it is checked now.
std::vector<std::pair<int, bool>> MenuCheckStates(const CConfig& config);
