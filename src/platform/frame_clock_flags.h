// The program-wide switches that steer the length of the next frame step.
// Scenes, script statements, sound voices and the in-game menu write them;
// the game main loop's frame step reads them.
#pragma once

#include <cstdint>

struct CFrameClockFlags {
    // The next step is 17 ms; the frame step clears it once used. Set by
    // every scene switch, by a scene that starts its script and by a script
    // that stops running for the frame.
    bool shortStepOnce = false;
    // No long-step replacement, and the scene runs while the game is paused.
    bool timeCritical = false;
    // Frame steps follow the position of a playing sound: the voice on
    // channel musicSyncChannel of the group musicSyncGroup (a
    // SoundChannelKind), last read at musicSyncLastPosition milliseconds.
    bool musicSync = false;
    int musicSyncGroup = 0;
    int musicSyncChannel = 0;
    uint32_t musicSyncLastPosition = 0;
};

// The one set of flags of the process.
CFrameClockFlags& FrameClockFlags();
