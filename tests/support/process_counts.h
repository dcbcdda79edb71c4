// What a process holds of the system: its threads, from the Toolhelp thread
// list, its open handles and its private memory. Tests that play something
// over and over compare these before and after to find what a round leaves
// behind.
#pragma once

#include <windows.h>

struct ProcessCounts {
    int threads = 0;
    DWORD handles = 0;
    // Committed private memory in bytes; only read, never waited for.
    SIZE_T privateBytes = 0;
};

// The counts of the process (a handle with query rights; the test's own
// process for GetCurrentProcess()).
ProcessCounts CountsOf(HANDLE process);

// Threads and handles end a moment after what held them is released (a
// thread told to stop still has to wake and leave): counts until they are
// at most the limit's or the time is up, and answers the last.
ProcessCounts SettledCounts(HANDLE process, const ProcessCounts& limit, DWORD timeoutMs = 3000);
