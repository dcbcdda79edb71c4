// The program-wide state that the root scene and its screens read and
// change, for the in-process tests that play the demo's menu: fresh play
// data and saved copy, the frame clock's flags cleared, game speed 1 and no
// sound, all put back as they were at the end. Any error box raised
// meanwhile fails the test.
#pragma once

#include <gtest/gtest.h>

#include "media/sound_available.h"
#include "platform/config.h"
#include "platform/frame_clock_flags.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "script/script_variables.h"
#include "support/error_recorder.h"

class CMenuGlobalsScope {
public:
    CMenuGlobalsScope()
        : config_(GetConfig()), soundAvailable_(IsSoundAvailable()), playData_(GetPlayData().vars),
          savedPlayData_(GetSavedPlayData().vars) {
        ClearRecordedErrors();
        GetPlayData().vars = SaveVariables();
        GetSavedPlayData().vars = SaveVariables();
        FrameClockFlags() = CFrameClockFlags();
        GetConfig().SetGameSpeed(1.0f);
        *GetScriptVariableAddress("$10") = 0;
        SetSoundAvailable(false);
    }
    ~CMenuGlobalsScope() {
        for (const ErrorBox& box : RecordedErrors()) ADD_FAILURE() << "error box " << box.module << " - " << box.place;
        GetConfig() = config_;
        SetSoundAvailable(soundAvailable_);
        GetPlayData().vars = playData_;
        GetSavedPlayData().vars = savedPlayData_;
    }
    CMenuGlobalsScope(const CMenuGlobalsScope&) = delete;
    CMenuGlobalsScope& operator=(const CMenuGlobalsScope&) = delete;

private:
    CConfig config_;
    bool soundAvailable_;
    SaveVariables playData_;
    SaveVariables savedPlayData_;
};
