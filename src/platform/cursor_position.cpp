#include "platform/cursor_position.h"

POINT GetCursorClientPos(HWND window, bool fullScreen) {
    POINT p = {0, 0};
    GetCursorPos(&p);
    if (!fullScreen && window) ScreenToClient(window, &p);
    return p;
}
