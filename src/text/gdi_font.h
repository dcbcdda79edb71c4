// Scoped GDI handles of one font use: the font itself, its selection into a
// DC and a memory DC compatible with the screen.
#pragma once

#include <windows.h>

class CGdiFont {
public:
    explicit CGdiFont(HFONT font) : font_(font) {}
    ~CGdiFont() {
        if (font_) DeleteObject(font_);
    }
    CGdiFont(const CGdiFont&) = delete;
    CGdiFont& operator=(const CGdiFont&) = delete;
    HFONT Get() const { return font_; }

private:
    HFONT font_;
};

// Selects an object into a DC and selects the previous one back on leaving.
class CGdiSelection {
public:
    CGdiSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~CGdiSelection() { SelectObject(dc_, previous_); }
    CGdiSelection(const CGdiSelection&) = delete;
    CGdiSelection& operator=(const CGdiSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

class CScreenCompatibleDC {
public:
    CScreenCompatibleDC() : dc_(CreateCompatibleDC(nullptr)) {}
    ~CScreenCompatibleDC() {
        if (dc_) DeleteDC(dc_);
    }
    CScreenCompatibleDC(const CScreenCompatibleDC&) = delete;
    CScreenCompatibleDC& operator=(const CScreenCompatibleDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};
