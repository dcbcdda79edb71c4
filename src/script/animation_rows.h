// The animation statements as one table. Every row reads the node path and
// the duration, then its own values, then the wait flag, and in the "Ex"
// form an easing after it; the row builds the action from what was read.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/easing.h"
#include "script/move_animators.h"
#include "script/script_argument.h"

class CScriptCommand;

// What an animation statement reads.
struct AnimationValues {
    std::string path;
    int32_t duration = 0;
    MovePlacement placement{};
    ShakeAmplitudes amplitudes{};
    std::vector<ScriptPoint> points;
    int32_t modes[3] = {};   // relative numbers: 1 plain, 2 "@"
    int32_t values[3] = {};  // relative numbers and plain numbers
    bool wait = false;
    EasingCurve easing = nullptr;
};

struct AnimationRow {
    const char* statement;
    bool ex;  // takes the easing after the wait flag
    // Adds the readers of the row's own values, between the duration and
    // the wait flag.
    void (*ownArguments)(AnimationValues& values, bool ex, std::vector<CScriptArgument>& arguments);
    std::unique_ptr<CScriptCommand> (*build)(const AnimationValues& values, bool ex);
};

// The row of the statement name, or null.
const AnimationRow* FindAnimationRow(const std::string& statement);
