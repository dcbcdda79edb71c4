#include "app/cursor_position.h"

#include "app/application.h"

POINT GetCursorClientPos() { return GetCursorClientPos(GetMainWindowHandle(), IsFullScreen()); }
