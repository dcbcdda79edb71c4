// The dialog's check boxes and the switch of the settings that each shows.
#pragma once

#include <array>

#include "platform/config.h"

struct OptionSwitch {
    int id;
    bool (CConfig::*isOn)() const;
    void (CConfig::*set)(bool);
};

// In the order the dialog shows them: the system switches 1003, 1004 and
// 1006 to 1013, then the game switches 1014 to 1017.
constexpr size_t kSystemSwitchCount = 10;
extern const std::array<OptionSwitch, 14> kOptionSwitches;

// The switch of a check box id, or null for any other id.
const OptionSwitch* FindOptionSwitch(int id);

// Sets the switch to the opposite of its value in the settings.
void FlipOptionSwitch(CConfig& config, const OptionSwitch& option);
