// The DirectDraw calls that take the display into and out of exclusive full
// screen and wait for the vertical blank. The display device makes them
// through this interface, so a test can stand in for the display hardware.
#pragma once

#include <windows.h>

class CDisplayDriver {
public:
    virtual ~CDisplayDriver() = default;

    // A DirectDraw object exists; the other calls are made only then.
    virtual bool IsAvailable() = 0;
    virtual HRESULT SetCooperativeLevel(HWND window, DWORD flags) = 0;
    virtual HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bitDepth) = 0;
    virtual HRESULT RestoreDisplayMode() = 0;
    // Returns when the next vertical blank begins.
    virtual HRESULT WaitForVerticalBlank() = 0;
};

// The program's DirectDraw object (GetDirectDraw).
CDisplayDriver& DirectDrawDisplayDriver();
