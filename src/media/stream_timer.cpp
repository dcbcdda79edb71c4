#include "media/stream_timer.h"

#include <windows.h>
#include <mmsystem.h>

namespace {

void CALLBACK TimerProc(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    reinterpret_cast<CTimerTarget*>(user)->OnTimer();
}

class CMultimediaStreamTimer : public CStreamTimer {
public:
    uint32_t Start(uint32_t periodMs, CTimerTarget* target) override {
        // Without TIME_KILL_SYNCHRONOUS timeKillEvent may return while a tick
        // still runs, and the buffer could be freed under it.
        return timeSetEvent(periodMs, periodMs, TimerProc, reinterpret_cast<DWORD_PTR>(target),
                            TIME_PERIODIC | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS);
    }
    void Kill(uint32_t id) override { timeKillEvent(id); }
};

}  // namespace

CStreamTimer& MultimediaStreamTimer() {
    static CMultimediaStreamTimer timer;
    return timer;
}
