// The mouse cursor in the main window's client coordinates.
#pragma once

#include <windows.h>

#include "platform/cursor_position.h"

// Over the current application's main window and screen mode.
POINT GetCursorClientPos();
