#include "app/main_window.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/application.h"
#include "support/real_cursor.h"
#include "support/test_application.h"

namespace {

RECT WindowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRect(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

SIZE Adjusted(DWORD style, BOOL menu) {
    RECT r = {0, 0, 800, 600};
    AdjustWindowRect(&r, style, menu);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void RunWith(DWORD style, const std::function<void(TestApplication&, HWND)>& check) {
    TestApplication app;
    app.style = style;
    app.body = [&](TestApplication& self) {
        self.PumpMessages();
        check(self, GetMainWindowHandle());
    };
    app.Run();
}

TEST(MainWindow, CaptionedWindowHasAnExact800x600ClientAreaCentredOnTheScreen) {
    RunWith(kCaptionedWindowStyle, [](TestApplication& app, HWND window) {
        EXPECT_TRUE(app.MainWindow().HasMenuResource());
        EXPECT_NE(GetMenu(window), nullptr);
        const LONG style = GetWindowLongA(window, GWL_STYLE);
        EXPECT_EQ(style & kCaptionedWindowStyle, static_cast<LONG>(kCaptionedWindowStyle));
        EXPECT_FALSE(style & WS_THICKFRAME);
        EXPECT_FALSE(style & WS_MAXIMIZEBOX);
        EXPECT_TRUE(IsWindowVisible(window));

        RECT client = ClientRect(window);
        EXPECT_EQ(client.right, 800);
        EXPECT_EQ(client.bottom, 600);
        RECT outer = WindowRect(window);
        SIZE expected = Adjusted(kCaptionedWindowStyle, TRUE);
        EXPECT_EQ(outer.right - outer.left, expected.cx);
        EXPECT_EQ(outer.bottom - outer.top, expected.cy);
        // Centred by the client size, not the outer size.
        EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 800) / 2);
        EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 600) / 2);
    });
}

TEST(MainWindow, StyleWithoutSystemMenuLeavesTheMenuBarOutOfTheOuterSize) {
    const DWORD style = WS_CAPTION | WS_MINIMIZEBOX;
    RunWith(style, [&](TestApplication&, HWND window) {
        RECT outer = WindowRect(window);
        SIZE expected = Adjusted(style, FALSE);
        EXPECT_EQ(outer.right - outer.left, expected.cx);
        EXPECT_EQ(outer.bottom - outer.top, expected.cy);
        EXPECT_NE(expected.cy, Adjusted(style | WS_SYSMENU, TRUE).cy);
    });
}

TEST(MainWindow, MovingIsVetoedOnlyInFullScreen) {
    RunWith(kCaptionedWindowStyle, [](TestApplication& app, HWND window) {
        RECT proposed = {10, 20, 30, 40};
        EXPECT_EQ(SendMessageA(window, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed)), 1);
        EXPECT_EQ(proposed.left, 10);
        EXPECT_EQ(proposed.bottom, 40);

        SetFullScreenFlag(true);
        app.MainWindow().ApplyWindowMode();
        EXPECT_TRUE(app.MainWindow().IsFullScreenWindow());
        EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP);
        RECT current = WindowRect(window);
        EXPECT_EQ(current.left, 0);
        EXPECT_EQ(current.top, 0);
        proposed = RECT{10, 20, 30, 40};
        EXPECT_EQ(SendMessageA(window, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed)), 1);
        EXPECT_TRUE(EqualRect(&proposed, &current));

        // Back to window mode: the captioned 800 x 600 client area returns.
        SetFullScreenFlag(false);
        app.MainWindow().ApplyWindowMode();
        app.PumpMessages();
        RECT client = ClientRect(window);
        EXPECT_EQ(client.right, 800);
        EXPECT_EQ(client.bottom, 600);
        EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_CAPTION);
    });
}

TEST(MainWindow, ApplyWindowModeActsOnlyOnAChange) {
    RunWith(kCaptionedWindowStyle, [](TestApplication& app, HWND window) {
        CMainWindow& main = app.MainWindow();
        SetWindowPos(window, nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        main.ApplyWindowMode();  // no mode or size change since creation
        EXPECT_EQ(WindowRect(window).left, 5);
        EXPECT_EQ(WindowRect(window).top, 7);

        main.SetClientSize(640, 480);
        main.ApplyWindowMode();
        app.PumpMessages();
        EXPECT_EQ(ClientRect(window).right, 640);
        EXPECT_EQ(ClientRect(window).bottom, 480);
        EXPECT_EQ(WindowRect(window).left, (GetSystemMetrics(SM_CXSCREEN) - 640) / 2);

        SetWindowPos(window, nullptr, 5, 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        main.SetClientSize(640, 480);  // the same size: nothing pending
        main.ApplyWindowMode();
        EXPECT_EQ(WindowRect(window).left, 5);
    });
}

TEST(MainWindow, SizeAndActivationMessagesFollowTheMinimisedState) {
    RunWith(kCaptionedWindowStyle, [](TestApplication& app, HWND window) {
        CMainWindow& main = app.MainWindow();
        EXPECT_FALSE(main.IsMinimised());
        SendMessageA(window, WM_SIZE, SIZE_MINIMIZED, 0);
        EXPECT_TRUE(main.IsMinimised());
        SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
        EXPECT_TRUE(main.IsMinimised());
        SendMessageA(window, WM_ACTIVATEAPP, TRUE, 0);
        EXPECT_FALSE(main.IsMinimised());
        SendMessageA(window, WM_SIZE, SIZE_MINIMIZED, 0);
        SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 600));
        EXPECT_FALSE(main.IsMinimised());
    });
}

// Counts the leave messages the window hands its listeners.
class CLeaveCounter : public CMessageListener {
public:
    int HandleMessage(HWND, UINT message, WPARAM, LPARAM) override {
        if (message == WM_MOUSELEAVE) ++leaves;
        return 0;
    }
    int leaves = 0;
};

// Waits, pumping the window's messages, until the counter has heard of a
// leave; false after two seconds.
bool PumpUntilLeave(TestApplication& app, const CLeaveCounter& counter) {
    const DWORD start = GetTickCount();
    while (counter.leaves == 0 && GetTickCount() - start < 2000) {
        app.PumpMessages();
        Sleep(10);
    }
    return counter.leaves != 0;
}

TEST(MainWindow, APointerThatMovedInAndLeavesTheClientAreaReachesTheListenersAsALeave) {
    RunWith(kCaptionedWindowStyle, [](TestApplication& app, HWND window) {
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
        CLeaveCounter counter;
        app.MainWindow().Broadcaster().AddListener(&counter);
        // Out over the caption and over the desktop beside the window: each
        // time after a move inside, the listeners hear of one leave.
        for (POINT outside : {POINT{400, -5}, POINT{-30, 300}}) {
            counter.leaves = 0;
            ASSERT_TRUE(PlaceCursor(window, 400, 300));
            SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(400, 300));
            app.PumpMessages();
            EXPECT_EQ(counter.leaves, 0);
            ASSERT_TRUE(PlaceCursor(window, outside.x, outside.y));
            EXPECT_TRUE(PumpUntilLeave(app, counter)) << outside.x << ", " << outside.y;
        }
        app.MainWindow().Broadcaster().RemoveListener(&counter);
    });
}

// The caption's minimise, maximise and close buttons are the glyphs "0", "1"
// and "r" of the Marlett symbol font, asked for by name in the default
// character set: without that face they come out as those letters. A stand-in
// face still answers to the name asked for, so the character set tells.
TEST(MainWindow, CaptionButtonsFindTheMarlettSymbolFont) {
    LOGFONTA request = {};
    request.lfHeight = -GetSystemMetrics(SM_CYCAPTION);
    request.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(request.lfFaceName, "Marlett");
    HFONT font = CreateFontIndirectA(&request);
    ASSERT_NE(font, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(font);
    EXPECT_EQ(metrics.tmCharSet, SYMBOL_CHARSET);
}

}  // namespace
