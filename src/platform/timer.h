// A stopwatch on the program's clock that can be paused; nested pauses count
// once. Used by the movie player.
#pragma once

#include <cstdint>

#include "platform/clock.h"

class CTimer {
public:
    explicit CTimer(CClock& clock = SystemClock());
    virtual ~CTimer() = default;

    // Starts again from now, not paused; returns the new start.
    uint32_t Restart();
    // Milliseconds since the start, not counting paused time.
    uint32_t GetElapsed() const;
    void Pause();
    // Must follow a Pause.
    void Resume();

private:
    CClock* clock_;
    uint32_t start_;
    uint32_t pauseTime_;
    int pauseDepth_;
};
