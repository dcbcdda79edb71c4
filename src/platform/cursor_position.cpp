#include "platform/cursor_position.h"

POINT GetCursorClientPos(HWND window, bool fullScreen) {
    POINT p = {0, 0};
    GetCursorPos(&p);
    if (!fullScreen && window) ScreenToClient(window, &p);
    return p;
}

bool IsOnClientArea(HWND window, POINT clientPoint) {
    if (!window) return true;
    RECT client;
    return GetClientRect(window, &client) && PtInRect(&client, clientPoint);
}

bool IsCursorOnClientArea(HWND window, bool fullScreen) {
    return !window || IsOnClientArea(window, GetCursorClientPos(window, fullScreen));
}
