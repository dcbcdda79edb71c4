// Progress over a number of milliseconds, advanced by the frame step and read
// as a ratio from 0 to 1 (bent by an easing curve when one is set) or as a
// value between two ends. A counter is finished until it is set.
#pragma once

#include <cstdint>

#include "platform/easing.h"

class CProgressCounter {
public:
    CProgressCounter() { Reset(); }

    // Finished, no duration, no curve.
    void Reset();
    // Starts a run of `duration` ms; a null curve means straight progress.
    void Set(uint32_t duration, EasingCurve easing);
    // Moves on by dt ms, stopping at the end.
    void Advance(uint32_t dt);

    bool IsRunning() const { return elapsed_ < duration_; }
    uint32_t Remaining() const;
    // 1.0 once finished, else the (eased) fraction elapsed.
    double Ratio() const;
    // Exactly `to` once finished, else from + (to - from) x progress,
    // computed in extended precision.
    double LerpDouble(double from, double to) const;
    // As LerpDouble, rounded half away from zero.
    int LerpInt(int from, int to) const;

    uint32_t GetElapsed() const { return elapsed_; }
    uint32_t GetDuration() const { return duration_; }
    EasingCurve GetEasing() const { return easing_; }

private:
    long double Lerp(long double from, long double to) const;

    uint32_t elapsed_;
    uint32_t duration_;
    EasingCurve easing_;
};
