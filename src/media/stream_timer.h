// The periodic timer that refills streamed sounds, behind an interface so
// that tests can tick by hand or refuse to start.
#pragma once

#include <cstdint>

class CTimerTarget {
public:
    // Runs on the timer's thread.
    virtual void OnTimer() = 0;

protected:
    ~CTimerTarget() = default;
};

class CStreamTimer {
public:
    virtual ~CStreamTimer() = default;
    // A periodic timer calling target->OnTimer every periodMs; its id, or 0
    // when it could not be started.
    virtual uint32_t Start(uint32_t periodMs, CTimerTarget* target) = 0;
    // Ends the timer; when a tick is running on another thread, returns only
    // after it has finished.
    virtual void Kill(uint32_t id) = 0;
};

// The multimedia timer (timeSetEvent, periodic, killed synchronously).
CStreamTimer& MultimediaStreamTimer();
