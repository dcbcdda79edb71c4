// The part every node animator shares: a progress counter over the
// statement's duration, bent by its easing curve.
#pragma once

#include <cstdint>

#include "platform/easing.h"
#include "platform/progress_counter.h"
#include "script/node_animator.h"

class CTimedAnimator : public CNodeAnimator {
public:
    bool IsRunning() const override { return counter_.IsRunning(); }
    unsigned GetTimeLeft() const override { return counter_.Remaining(); }
    const CProgressCounter& Counter() const { return counter_; }

protected:
    // A negative duration counts as 0: the counter counts unsigned, and
    // would otherwise run for weeks.
    CTimedAnimator(int32_t duration, EasingCurve easing) {
        counter_.Set(duration < 0 ? 0u : static_cast<uint32_t>(duration), easing);
    }

    // Moves the counter on by a frame's milliseconds; a negative step is none.
    void AdvanceCounter(int milliseconds) {
        counter_.Advance(milliseconds < 0 ? 0u : static_cast<uint32_t>(milliseconds));
    }

    CProgressCounter counter_;
};
