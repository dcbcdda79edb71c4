// Finds the window of a running copy of a program by its executable's file
// name and brings it to the front.
#pragma once

#include <windows.h>

#include <string>

enum ActivateResult {
    kActivatedRunningWindow = 0,
    kNoProcessWalk = 1,
    kNoRunningWindow = 2,
};

// Looks through the top-level windows for the first shown (possibly
// minimised) one whose process runs an executable of the same file name as
// programPath (case-sensitive), restores it and puts it in the foreground.
// kNoProcessWalk when the system offers no process snapshot functions.
int ActivateRunningInstance(const std::string& programPath);

// The EnumWindows callback of ActivateRunningInstance; lParam points at its
// search record. Hidden windows are passed over: a process's first window may
// be an input method's, and showing that would bring nothing forward.
BOOL CALLBACK FindRunningInstanceWindow(HWND window, LPARAM lParam);
