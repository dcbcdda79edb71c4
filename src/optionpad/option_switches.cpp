#include "optionpad/option_switches.h"

#include "optionpad/option_ids.h"

const std::array<OptionSwitch, 14> kOptionSwitches = {{
    {kOptionUseSSE, &CConfig::IsUseSSE, &CConfig::SetUseSSE},
    {kOptionUseMMX, &CConfig::IsUseMMX, &CConfig::SetUseMMX},
    {kOptionValidExitDialog, &CConfig::IsValidExitDialog, &CConfig::SetValidExitDialog},
    {kOptionNoiseCut, &CConfig::IsNoiseCut, &CConfig::SetNoiseCut},
    {kOptionCancelSleep, &CConfig::IsCancelSleep, &CConfig::SetCancelSleep},
    {kOptionCancelMonitorOff, &CConfig::IsCancelMonitorOff, &CConfig::SetCancelMonitorOff},
    {kOptionCancelScreenSave, &CConfig::IsCancelScreenSave, &CConfig::SetCancelScreenSave},
    {kOptionAutoMute, &CConfig::IsAutoMute, &CConfig::SetAutoMute},
    {kOptionAutoPause, &CConfig::IsAutoPause, &CConfig::SetAutoPause},
    {kOptionDiagnosis, &CConfig::IsDiagnosis, &CConfig::SetDiagnosis},
    {kOptionAntiText, &CConfig::IsAntiText, &CConfig::SetAntiText},
    {kOptionValidShortSkip, &CConfig::IsValidShortSkip, &CConfig::SetValidShortSkip},
    {kOptionUseEffect, &CConfig::IsUseEffect, &CConfig::SetUseEffect},
    {kOptionPlayMovie, &CConfig::IsPlayMovie, &CConfig::SetPlayMovie},
}};

const OptionSwitch* FindOptionSwitch(int id) {
    for (const OptionSwitch& option : kOptionSwitches) {
        if (option.id == id) return &option;
    }
    return nullptr;
}

void FlipOptionSwitch(CConfig& config, const OptionSwitch& option) {
    (config.*option.set)(!(config.*option.isOn)());
}
