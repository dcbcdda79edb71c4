// The colour depth of the desktop, read from the screen once and kept until
// the display device asks again after a mode switch.
#pragma once

#include <cstdint>

#include "platform/clock.h"

// The screen as the cache reads it.
class CScreenDepthReader {
public:
    virtual ~CScreenDepthReader() = default;
    // Bits per pixel times planes; 0 while the display is changing mode.
    virtual uint32_t ReadScreenDepth() = 0;
};

class CDesktopDepth {
public:
    CDesktopDepth(CScreenDepthReader& reader, CClock& clock);

    // The kept depth, read first when there is none.
    uint32_t Get();
    // Reads the screen; a 0 is read once more a second later, and whatever
    // that gives is kept, 0 included.
    uint32_t Refresh();

private:
    CScreenDepthReader& reader_;
    CClock& clock_;
    uint32_t depth_;
};

uint32_t GetDesktopBitDepth();
uint32_t RefreshDesktopBitDepth();
