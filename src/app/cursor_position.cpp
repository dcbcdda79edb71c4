#include "app/cursor_position.h"

#include "app/application.h"

POINT GetCursorClientPos() { return GetCursorClientPos(GetMainWindowHandle(), IsFullScreen()); }

bool IsCursorOnClientArea() { return IsCursorOnClientArea(GetMainWindowHandle(), IsFullScreen()); }
