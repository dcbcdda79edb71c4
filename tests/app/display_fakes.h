// A stand-in for the display hardware, and checks of the main window's
// placement.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/display_device.h"
#include "support/display_run.h"

// Records every call as text ("SetCooperativeLevel 0x11", "SetDisplayMode
// 800 600 16", ...), answers DD_OK except for the call named in `failing`,
// and can lose its DirectDraw object right after a named call.
class FakeDisplayDriver : public CDisplayDriver {
public:
    bool IsAvailable() override { return available; }
    HRESULT SetCooperativeLevel(HWND window, DWORD flags) override {
        EXPECT_EQ(window, GetMainWindowHandle());
        return Record("SetCooperativeLevel " + Hex(flags));
    }
    HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bitDepth) override {
        return Record("SetDisplayMode " + std::to_string(width) + " " + std::to_string(height) +
                      " " + std::to_string(bitDepth));
    }
    HRESULT RestoreDisplayMode() override { return Record("RestoreDisplayMode"); }
    HRESULT WaitForVerticalBlank() override { return Record("WaitForVerticalBlank"); }

    std::vector<std::string> calls;
    bool available = true;
    std::string failing;
    HRESULT failure = DDERR_GENERIC;
    std::string vanishAfter;

private:
    static std::string Hex(DWORD value) {
        char text[16];
        snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(value));
        return text;
    }
    HRESULT Record(const std::string& call) {
        calls.push_back(call);
        if (call == vanishAfter) available = false;
        return call == failing ? failure : DD_OK;
    }
};

inline RECT WindowRectOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

inline RECT ClientRectOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

// A captioned window with that client size, centred by the client size.
inline void ExpectCentredWindow(HWND window, int width, int height) {
    EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_CAPTION);
    const RECT client = ClientRectOf(window);
    EXPECT_EQ(client.right, width);
    EXPECT_EQ(client.bottom, height);
    const RECT outer = WindowRectOf(window);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}
