#include "platform/cursor_position.h"

POINT GetCursorClientPos(HWND window, bool fullScreen) {
    POINT p = {0, 0};
    GetCursorPos(&p);
    if (!fullScreen && window) ScreenToClient(window, &p);
    return p;
}

bool IsCursorOnClientArea(HWND window, bool fullScreen) {
    if (!window) return true;
    const POINT p = GetCursorClientPos(window, fullScreen);
    RECT client;
    return GetClientRect(window, &client) && PtInRect(&client, p);
}
