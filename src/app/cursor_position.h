// The mouse cursor in the main window's client coordinates.
#pragma once

#include <windows.h>

#include "platform/cursor_position.h"

// Over the current application's main window and screen mode.
POINT GetCursorClientPos();
// Whether the cursor lies on the main window's client area.
bool IsCursorOnClientArea();
// Whether a position GetCursorClientPos() gave lies on it.
bool IsOnClientArea(POINT clientPoint);
