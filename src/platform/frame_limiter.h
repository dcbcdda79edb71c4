// Paces the frame loop at a fractional frame period without drift: the
// period is kept in 1/65536 ms, and each frame's whole milliseconds carry the
// fraction left over by the frame before (16, 17, 16, 17, 17, ... at 60 fps).
#pragma once

#include <cstdint>

#include "platform/clock.h"

class CFrameLimiter {
public:
    // 60 frames per second, the due-time grid starting now.
    explicit CFrameLimiter(CClock& clock = SystemClock());

    // Restarts the grid now. 0 switches pacing off and keeps the period.
    void SetFrameRate(uint32_t fps);
    // Returns when the current frame is due: sleeps until about 3 ms before,
    // then spins on the clock, because Sleep is too coarse for the last few
    // milliseconds. A late frame returns at once and starts the grid anew.
    void WaitNextFrame();

    uint32_t GetFrameRate() const { return fps_; }
    // The frame period in 1/65536 ms.
    uint32_t GetPeriod() const { return period_; }

private:
    CClock* clock_;
    uint32_t fps_;
    uint32_t period_;
    // The low 16 bits carry the fraction of a millisecond to the next frame.
    uint32_t accumulator_;
    // The clock value at which the current frame was due.
    uint32_t lastFrameTime_;
};
