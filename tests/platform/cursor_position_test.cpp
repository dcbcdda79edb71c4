#include "platform/cursor_position.h"

#include <gtest/gtest.h>

namespace {

// A bare window whose client area starts at a known place on the screen.
class PlacedWindow {
public:
    PlacedWindow(int x, int y) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClassName;
        RegisterClassA(&wc);
        handle_ = CreateWindowExA(0, kClassName, "", WS_POPUP, x, y, 200, 100, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    }
    ~PlacedWindow() {
        DestroyWindow(handle_);
        UnregisterClassA(kClassName, GetModuleHandleA(nullptr));
    }
    PlacedWindow(const PlacedWindow&) = delete;
    PlacedWindow& operator=(const PlacedWindow&) = delete;

    HWND Handle() const { return handle_; }

private:
    static constexpr const char* kClassName = "MirlCursorTestWindow";
    HWND handle_;
};

TEST(CursorPosition, ClientCoordinatesInAWindowScreenCoordinatesInFullScreen) {
    PlacedWindow window(100, 50);
    ASSERT_NE(window.Handle(), nullptr);
    POINT origin = {0, 0};
    ClientToScreen(window.Handle(), &origin);
    ASSERT_EQ(origin.x, 100);
    ASSERT_EQ(origin.y, 50);

    ASSERT_TRUE(SetCursorPos(130, 70));
    POINT screen;
    ASSERT_TRUE(GetCursorPos(&screen));
    ASSERT_EQ(screen.x, 130);
    ASSERT_EQ(screen.y, 70);

    POINT client = GetCursorClientPos(window.Handle(), false);
    EXPECT_EQ(client.x, 30);
    EXPECT_EQ(client.y, 20);
    POINT full = GetCursorClientPos(window.Handle(), true);
    EXPECT_EQ(full.x, 130);
    EXPECT_EQ(full.y, 70);
    POINT none = GetCursorClientPos(nullptr, false);
    EXPECT_EQ(none.x, 130);
    EXPECT_EQ(none.y, 70);
}

TEST(CursorPosition, OnTheClientAreaOnlyInsideTheWindowsClientRectangle) {
    PlacedWindow window(100, 50);
    ASSERT_NE(window.Handle(), nullptr);
    struct Case {
        POINT screen;
        bool fullScreen;
        bool onClient;
    };
    // The window's client area covers the screen's (100, 50) to (300, 150);
    // in full screen the screen's (0, 0) to (200, 100).
    const Case cases[] = {
        {{100, 50}, false, true},  {{299, 149}, false, true}, {{300, 70}, false, false},
        {{130, 150}, false, false}, {{99, 70}, false, false},  {{130, 49}, false, false},
        {{199, 99}, true, true},   {{250, 70}, true, false},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(SetCursorPos(c.screen.x, c.screen.y));
        EXPECT_EQ(IsCursorOnClientArea(window.Handle(), c.fullScreen), c.onClient)
            << c.screen.x << ", " << c.screen.y << (c.fullScreen ? " full screen" : "");
        // The same answer from one reading of the cursor.
        const POINT client = GetCursorClientPos(window.Handle(), c.fullScreen);
        EXPECT_EQ(IsOnClientArea(window.Handle(), client), c.onClient)
            << c.screen.x << ", " << c.screen.y << (c.fullScreen ? " full screen" : "");
    }
    // Without a window the whole screen counts.
    EXPECT_TRUE(IsCursorOnClientArea(nullptr, false));
    EXPECT_TRUE(IsOnClientArea(nullptr, {-5, 100000}));
}

}  // namespace
