// The mouse cursor in a window's client coordinates.
#pragma once

#include <windows.h>

// GetCursorPos, converted to window's client area; in full-screen mode (or
// without a window) screen and client coincide and the screen position is
// returned. The game's own window is filled in by the app layer's
// GetCursorClientPos().
POINT GetCursorClientPos(HWND window, bool fullScreen);
// Whether a position as GetCursorClientPos gives it lies on the window's
// client area; without a window, always. Reading the cursor is slow (a round
// trip to the display server), so a caller that needs both reads it once.
bool IsOnClientArea(HWND window, POINT clientPoint);
// IsOnClientArea of the cursor's position.
bool IsCursorOnClientArea(HWND window, bool fullScreen);
