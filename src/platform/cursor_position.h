// The mouse cursor in a window's client coordinates.
#pragma once

#include <windows.h>

// GetCursorPos, converted to window's client area; in full-screen mode (or
// without a window) screen and client coincide and the screen position is
// returned. The game's own window is filled in by the app layer's
// GetCursorClientPos().
POINT GetCursorClientPos(HWND window, bool fullScreen);
// Whether that position lies on the window's client area; without a window,
// always.
bool IsCursorOnClientArea(HWND window, bool fullScreen);
