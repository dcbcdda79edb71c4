// The game program run as a process of its own, and what a player sees of
// it: its window found by class and process, its client area read from the
// screen, its message boxes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "graphics/color32.h"

class CGameProcess {
public:
    // Starts the program with the folder as its working folder; Started()
    // says whether it did.
    CGameProcess(const std::string& program, const std::string& folder);
    // Ends the process when it is still running.
    ~CGameProcess();
    CGameProcess(const CGameProcess&) = delete;
    CGameProcess& operator=(const CGameProcess&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    HANDLE Handle() const { return info_.hProcess; }
    // The visible top-level window of the class, null when none appears
    // within the time.
    HWND WaitForWindow(const char* className, DWORD timeoutMs) const;
    // The exit code, or STILL_ACTIVE when the process does not end within
    // the time.
    DWORD WaitForExit(DWORD timeoutMs) const;

private:
    PROCESS_INFORMATION info_ = {};
};

// A rectangle of the screen as the display shows it (the X server's frame
// buffer), row by row, 0x00RRGGBB; empty when it cannot be read.
std::vector<Color32> ReadScreen(const RECT& area);
// The window's 800 x 600 client area as the screen shows it.
std::vector<Color32> ReadScreenOf(HWND window);
// The client area of a window of any size as the screen shows it (a message
// box's face), and its size.
std::vector<Color32> ReadClientOf(HWND window, SIZE* size);
