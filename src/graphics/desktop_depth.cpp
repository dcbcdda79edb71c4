#include "graphics/desktop_depth.h"

#include <windows.h>

namespace {

constexpr uint32_t kNotRead = 0xFFFFFFFF;
constexpr uint32_t kModeChangeWaitMs = 1000;

class CScreenDcDepthReader : public CScreenDepthReader {
public:
    uint32_t ReadScreenDepth() override {
        HDC screen = GetDC(nullptr);
        const int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
        ReleaseDC(nullptr, screen);
        return static_cast<uint32_t>(depth);
    }
};

CDesktopDepth& ProgramDesktopDepth() {
    static CScreenDcDepthReader reader;
    static CDesktopDepth depth(reader, SystemClock());
    return depth;
}

}  // namespace

CDesktopDepth::CDesktopDepth(CScreenDepthReader& reader, CClock& clock)
    : reader_(reader), clock_(clock), depth_(kNotRead) {}

uint32_t CDesktopDepth::Get() { return depth_ != kNotRead ? depth_ : Refresh(); }

uint32_t CDesktopDepth::Refresh() {
    depth_ = reader_.ReadScreenDepth();
    if (depth_ == 0) {
        clock_.Sleep(kModeChangeWaitMs);
        depth_ = reader_.ReadScreenDepth();
    }
    return depth_;
}

uint32_t GetDesktopBitDepth() { return ProgramDesktopDepth().Get(); }

uint32_t RefreshDesktopBitDepth() { return ProgramDesktopDepth().Refresh(); }
