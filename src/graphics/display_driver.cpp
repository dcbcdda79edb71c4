#include "graphics/display_driver.h"

#include "graphics/direct_draw.h"

namespace {

class CDirectDrawDisplayDriver : public CDisplayDriver {
public:
    bool IsAvailable() override { return GetDirectDraw() != nullptr; }
    HRESULT SetCooperativeLevel(HWND window, DWORD flags) override {
        return GetDirectDraw()->SetCooperativeLevel(window, flags);
    }
    HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bitDepth) override {
        return GetDirectDraw()->SetDisplayMode(width, height, bitDepth);
    }
    HRESULT RestoreDisplayMode() override { return GetDirectDraw()->RestoreDisplayMode(); }
    HRESULT WaitForVerticalBlank() override {
        return GetDirectDraw()->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr);
    }
};

}  // namespace

CDisplayDriver& DirectDrawDisplayDriver() {
    static CDirectDrawDisplayDriver driver;
    return driver;
}
