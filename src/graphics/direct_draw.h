// The program's one DirectDraw object (the version 1 interface). Holders keep
// it alive: the first creates it, the last releases it. The display device
// owns the only holder of the game.
#pragma once

#include <windows.h>
#include <ddraw.h>

class CDirectDrawHolder {
public:
    // The first holder starts COM and creates the object; a failure shows
    // its error box and throws CInternalError, and then no holder is counted.
    CDirectDrawHolder();
    virtual ~CDirectDrawHolder();
    CDirectDrawHolder(const CDirectDrawHolder&) = delete;
    CDirectDrawHolder& operator=(const CDirectDrawHolder&) = delete;
};

// Replaces the object with a new one on the default display driver; 0. A
// failure shows the "DirectDraw Error" box and leaves no object.
int CreateDirectDrawObject();

// The object, or null while no holder lives.
IDirectDraw* GetDirectDraw();
