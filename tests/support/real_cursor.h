// Puts the real cursor on a point of a window's client area for tests that
// hit-test what lies under it.
#pragma once

#include <windows.h>

// Moves the cursor there and waits until the system has reported it there
// three times running (the display server follows a moment later). The
// window's own mouse messages are dropped on the way: the test hands its
// messages to the code under test itself. False when the cursor never got
// there.
inline bool PlaceCursor(HWND window, int x, int y) {
    POINT point = {x, y};
    ClientToScreen(window, &point);
    int settled = 0;
    for (int i = 0; i < 200 && settled < 3; ++i) {
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
        }
        POINT now;
        GetCursorPos(&now);
        if (now.x == point.x && now.y == point.y) {
            ++settled;
        } else {
            settled = 0;
            SetCursorPos(point.x, point.y);
        }
        Sleep(2);
    }
    return settled >= 3;
}
