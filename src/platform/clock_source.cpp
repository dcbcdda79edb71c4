#include "platform/clock_source.h"

#include <windows.h>
#include <mmsystem.h>

namespace {

// A timer whose finest period is this coarse is no better than GetTickCount.
constexpr uint32_t kCoarsePeriodMs = 10;

class CSystemMultimediaTimer : public CMultimediaTimer {
public:
    bool QueryMinPeriod(uint32_t* periodMs) override {
        TIMECAPS caps = {};
        if (timeGetDevCaps(&caps, sizeof caps) != TIMERR_NOERROR) return false;
        *periodMs = caps.wPeriodMin;
        return true;
    }
    void BeginPeriod(uint32_t periodMs) override { timeBeginPeriod(periodMs); }
};

CSystemMultimediaTimer g_systemTimer;
CClockChoice g_choice(g_systemTimer);

// The choice is made before the main function, so every clock reading of the
// run, static constructors of later units included, uses the same clock.
struct SelectAtStart {
    SelectAtStart() { SelectClockSource(); }
} g_selectAtStart;

}  // namespace

CClockChoice::CClockChoice(CMultimediaTimer& timer)
    : timer_(timer), useTimeGetTime_(false), minPeriod_(1), periodUsers_(0) {}

void CClockChoice::Select() {
    uint32_t period = 0;
    if (timer_.QueryMinPeriod(&period) && period < kCoarsePeriodMs) {
        useTimeGetTime_ = true;
        minPeriod_ = period;
    } else {
        useTimeGetTime_ = false;
        minPeriod_ = 1;
    }
}

uint32_t CClockChoice::BeginTimerPeriod() {
    Select();
    if (++periodUsers_ == 1 && useTimeGetTime_) {
        timer_.BeginPeriod(minPeriod_);
    }
    return minPeriod_;
}

const CClockChoice& ProgramClockChoice() { return g_choice; }

void SelectClockSource() { g_choice.Select(); }

uint32_t BeginTimerPeriod() { return g_choice.BeginTimerPeriod(); }

uint32_t ReadClock() { return g_choice.UsesTimeGetTime() ? timeGetTime() : GetTickCount(); }
