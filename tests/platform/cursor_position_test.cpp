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

}  // namespace
