// Anything that wants to see window messages. A non-zero answer means the
// message is handled: the dispatch stops and the answer becomes the window
// procedure's result. 0 lets later listeners and DefWindowProc see it.
#pragma once

#include <windows.h>

class CMessageListener {
public:
    virtual int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~CMessageListener() = default;
};
