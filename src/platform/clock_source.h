// Which system clock the program reads: timeGetTime when the multimedia timer
// resolves better than 10 ms, GetTickCount otherwise. The choice is made once
// before the main function runs and again by every BeginTimerPeriod.
#pragma once

#include <cstdint>

// The multimedia timer as the clock choice sees it.
class CMultimediaTimer {
public:
    virtual ~CMultimediaTimer() = default;
    // timeGetDevCaps: false when the call fails, else the minimum period.
    virtual bool QueryMinPeriod(uint32_t* periodMs) = 0;
    // timeBeginPeriod.
    virtual void BeginPeriod(uint32_t periodMs) = 0;
};

class CClockChoice {
public:
    explicit CClockChoice(CMultimediaTimer& timer);
    CClockChoice(const CClockChoice&) = delete;
    CClockChoice& operator=(const CClockChoice&) = delete;

    // Asks the timer's capabilities and picks the clock.
    void Select();
    // Picks the clock again and counts the caller; the first caller raises
    // the timer resolution to the minimum period when timeGetTime is the
    // clock. The resolution is never lowered again. Returns the minimum period.
    uint32_t BeginTimerPeriod();

    bool UsesTimeGetTime() const { return useTimeGetTime_; }
    // 1 whenever GetTickCount is the clock.
    uint32_t MinPeriod() const { return minPeriod_; }

private:
    CMultimediaTimer& timer_;
    bool useTimeGetTime_;
    uint32_t minPeriod_;
    uint32_t periodUsers_;
};

// The program's one choice, over the real multimedia timer.
const CClockChoice& ProgramClockChoice();
void SelectClockSource();
uint32_t BeginTimerPeriod();
// The chosen clock's current value in milliseconds.
uint32_t ReadClock();
