// The millisecond clock every pacing routine reads, and the sleep that goes
// with it. Routines take a CClock so a test can drive them with a clock of its
// own and observe every sleep without waiting.
#pragma once

#include <cstdint>

class CClock {
public:
    virtual ~CClock() = default;
    // Milliseconds on a 32-bit counter; differences are taken modulo 2^32.
    virtual uint32_t Now() = 0;
    virtual void Sleep(uint32_t ms) = 0;
};

// The clock chosen at start-up (timeGetTime or GetTickCount) and ::Sleep.
CClock& SystemClock();
