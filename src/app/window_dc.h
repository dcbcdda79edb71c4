// A window's device context (the screen's for no window), released when it
// goes.
#pragma once

#include <windows.h>

class CWindowDc {
public:
    explicit CWindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
    ~CWindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    CWindowDc(const CWindowDc&) = delete;
    CWindowDc& operator=(const CWindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};
