#include "platform/clock.h"

#include <windows.h>

#include "platform/clock_source.h"

namespace {

class CSystemClock : public CClock {
public:
    uint32_t Now() override { return ReadClock(); }
    void Sleep(uint32_t ms) override { ::Sleep(ms); }
};

}  // namespace

CClock& SystemClock() {
    static CSystemClock clock;
    return clock;
}
