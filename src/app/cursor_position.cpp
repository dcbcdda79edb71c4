#include "app/cursor_position.h"

#include "app/application.h"

POINT GetCursorClientPos() { return GetCursorClientPos(GetMainWindowHandle(), IsFullScreen()); }

bool IsCursorOnClientArea() { return IsCursorOnClientArea(GetMainWindowHandle(), IsFullScreen()); }

bool IsOnClientArea(POINT clientPoint) { return IsOnClientArea(GetMainWindowHandle(), clientPoint); }
