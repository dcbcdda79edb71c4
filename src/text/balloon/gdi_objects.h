// Owned GDI brushes and pens, deleted when the painting step that made them
// ends, and the surfaces the painting works on.
#pragma once

#include <windows.h>

#include "graphics/color32.h"
#include "graphics/memory_surface.h"

class CGdiObject {
public:
    explicit CGdiObject(HGDIOBJ object) : object_(object) {}
    ~CGdiObject() {
        if (object_) DeleteObject(object_);
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    HGDIOBJ Get() const { return object_; }
    HBRUSH Brush() const { return static_cast<HBRUSH>(object_); }

private:
    HGDIOBJ object_;
};

// A brush or pen of coverage a: the value in the blue byte, which the mask
// routines read as the pixel's coverage.
inline COLORREF CoverageColour(Color32 colour) { return (colour >> 24) << 16; }
// The COLORREF of a colour's RGB part.
inline COLORREF RgbColour(Color32 colour) {
    return ((colour >> 16) & 0xFF) | (colour & 0xFF00) | ((colour & 0xFF) << 16);
}

// Makes the surface a cleared DIB section of width x height that GDI can
// draw into; a failed allocation is a fatal "Graphic Error" (2005, place).
void CreateWorkSurface(CMemorySurface& surface, int width, int height, int place);
