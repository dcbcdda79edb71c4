// The controls of the editor's dialog in resource order, as its resource
// table gives them.
#pragma once

#include <windows.h>

#include <vector>

struct ExpectedControl {
    const char* className;
    WORD id;
    const char* text;  // Shift-JIS
    short x, y, width, height;
    DWORD style;
};

const std::vector<ExpectedControl>& ExpectedDialogControls();
