#include "media/sound_clock.h"

#include <windows.h>
#include <mmsystem.h>

namespace {

class CTimeGetTimeClock : public CClock {
public:
    uint32_t Now() override { return timeGetTime(); }
    void Sleep(uint32_t ms) override { ::Sleep(ms); }
};

}  // namespace

CClock& SoundClock() {
    static CTimeGetTimeClock clock;
    return clock;
}
