#include "platform/frame_clock_flags.h"

CFrameClockFlags& FrameClockFlags() {
    static CFrameClockFlags flags;
    return flags;
}
