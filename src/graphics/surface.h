// What every drawable surface offers: a picture in program memory
// (CMemorySurface) or in a DirectDraw surface (CVideoSurface).
#pragma once

#include <string>

#include "graphics/color32.h"

class CSurface {
public:
    virtual ~CSurface() = default;

    // A surface of that size. 0, or the failure of the allocation.
    virtual int Create(int width, int height) = 0;
    // Releases the pixels; always 0.
    virtual int Destroy() = 0;
    // The colour key becomes the colour of the pixel at (x, y).
    virtual int SetColorKeyFromPixel(int x, int y) = 0;
    virtual int SetColorKey(Color32 colour) = 0;
    // 0 x 0 while the surface holds nothing.
    virtual void GetSize(int& width, int& height) const = 0;
    // A picture was loaded into the surface.
    virtual bool HasImage() const = 0;
    // The pixels' alpha bytes are meaningful.
    virtual bool HasAlpha() const = 0;
    // Loads a picture file. 0, or a small failure code.
    virtual int Load(const std::string& path, bool flag) = 0;
    // Loads the first file on an 8-bit desktop and the second on any other.
    virtual int LoadForDisplayDepth(const std::string& pathFor8Bit,
                                    const std::string& pathForOthers, bool flag) = 0;
};
