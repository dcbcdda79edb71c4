// The dialog's five scroll bars: their ranges and steps, the settings they
// stand for in both directions, and the texts of their value labels. Plain
// arithmetic on the settings, so a table checks every conversion.
#pragma once

#include <optional>
#include <string>

#include "platform/config.h"

enum class OptionBar { kSEVolume, kBGMVolume, kBaseFPS, kGameSpeed, kSkipWait };

struct BarRange {
    int minimum;
    int maximum;
};

struct BarSteps {
    int line;
    int page;
};

BarRange GetBarRange(OptionBar bar);
BarSteps GetBarSteps(OptionBar bar);

// Where the bar stands for the settings. The volume bars ignore the play
// switches; a volume with no place of its own stands at 0 (SE) or 5 (BGM).
// A speed above 16.0 gives a position beyond the range; the bar then stands
// at its end.
int GetBarPosition(const CConfig& config, OptionBar bar);

// Stores the setting of a bar position. A volume bar sets its volume, then
// its play switch (on for every position but 0).
void StoreBarPosition(CConfig& config, OptionBar bar, int position);

// The text of the bar's value label.
std::string GetBarLabel(const CConfig& config, OptionBar bar);

// The position a scroll action moves a bar to, clamped to its range: codes
// SB_LINELEFT to SB_PAGERIGHT step from the position, SB_THUMBPOSITION and
// SB_THUMBTRACK go to the thumb; nothing for any other code.
std::optional<int> GetScrolledPosition(BarSteps steps, BarRange range, int position, int code,
                                       int thumb);
