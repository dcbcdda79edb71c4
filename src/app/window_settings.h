// What CApplication::Configure fills in and CMainWindow::Create reads.
#pragma once

#include <windows.h>

#include <string>

// WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX: no maximise box, no sizing border.
constexpr DWORD kCaptionedWindowStyle = 0x00CA0000;
// The style before any configuration: the captioned style, visible.
constexpr DWORD kDefaultWindowStyle = 0x10CA0000;

struct CWindowSettings {
    std::string title;
    std::string className;
    int clientWidth = 0;
    int clientHeight = 0;
    DWORD style = kDefaultWindowStyle;
};
