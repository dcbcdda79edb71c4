#include "optionpad/option_switches.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "optionpad/option_ids.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The lines of the second settings-file text that differ from the first.
// (The MMX and SSE switches are program-wide, so the texts are taken, not
// the objects compared.)
std::vector<std::string> ChangedLines(const std::string& before, const std::string& after) {
    const std::vector<std::string> a = Lines(before);
    const std::vector<std::string> b = Lines(after);
    std::vector<std::string> changed;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] != b[i]) changed.push_back(b[i]);
    }
    return changed;
}

TEST(OptionSwitches, EachCheckBoxFlipsItsOwnSwitchAndNoOther) {
    struct Row {
        int id;
        const char* line;  // the file line after the first flip from the defaults
    };
    const Row rows[] = {
        {kOptionDiagnosis, "IsDiagnosis\t\t= false"},
        {kOptionAutoPause, "IsAutoPause\t\t= false"},
        {kOptionAutoMute, "IsAutoMute\t\t= true"},
        {kOptionCancelScreenSave, "IsCancelScreenSave\t= false"},
        {kOptionCancelMonitorOff, "IsCancelMonitorOff\t= false"},
        {kOptionCancelSleep, "IsCancelSleep\t\t= false"},
        {kOptionNoiseCut, "IsNoiseCut\t\t= false"},
        {kOptionUseMMX, "IsUseMMX\t\t= false"},
        {kOptionUseSSE, "IsUseSSE\t\t= false"},
        {kOptionValidExitDialog, "IsValidExitDialog\t= false"},
        {kOptionValidShortSkip, "IsValidShortSkip\t= true"},
        {kOptionAntiText, "IsAntiText\t\t= false"},
        {kOptionUseEffect, "IsUseEffect\t\t= false"},
        {kOptionPlayMovie, "IsPlayMovie\t\t= false"},
    };
    for (const Row& row : rows) {
        const OptionSwitch* option = FindOptionSwitch(row.id);
        ASSERT_NE(option, nullptr) << row.id;
        CConfig config;
        const std::string defaults = config.FormatText();
        FlipOptionSwitch(config, *option);
        EXPECT_EQ(ChangedLines(defaults, config.FormatText()), std::vector<std::string>{row.line})
            << row.id;
        FlipOptionSwitch(config, *option);
        EXPECT_EQ(config.FormatText(), defaults) << row.id;
    }
}

TEST(OptionSwitches, OtherIdsHaveNoSwitch) {
    for (int id : {1, 2, 3, 1005, 1018, 1030}) {
        EXPECT_EQ(FindOptionSwitch(id), nullptr) << id;
    }
}

}  // namespace
