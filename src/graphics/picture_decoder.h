// Draws a BMP picture, or any picture the system's OLE loader reads, into a
// device context. A decoder borrows the bytes it loads: they must outlive it
// (or its Close).
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <cstdint>

#include "graphics/bmp_layout.h"
#include "platform/com_ptr.h"

class CPictureDecoder {
public:
    CPictureDecoder();
    ~CPictureDecoder();
    CPictureDecoder(const CPictureDecoder&) = delete;
    CPictureDecoder& operator=(const CPictureDecoder&) = delete;

    // Each load forgets what was loaded before.
    // A BMP first, else an OLE picture. 0 loaded, 1 neither.
    int Load(const uint8_t* data, uint32_t size);
    // 0 when the bytes are a BMP whose parts lie inside them, else 1.
    int ParseBmp(const uint8_t* data, uint32_t size);
    // 0 loaded by OLE; 1 no stream over the bytes; 2 OLE cannot read them.
    int LoadOlePicture(const uint8_t* data, uint32_t size);

    // A BMP's width and height as its header states them (a top-down BMP
    // has a negative height); an OLE picture's size in screen pixels.
    // 0, or 1 when nothing is loaded.
    int GetSize(int& width, int& height) const;
    // Draws the picture with its top-left corner at (0, 0). 0, or 1 failed.
    int Draw(HDC dc) const;
    // Forgets the BMP and releases the OLE picture. Always 0.
    int Close();

    // Fills a palette from a BMP's colour table: entries 0-9 and 246-255
    // point at the display's static colours (PC_EXPLICIT, the index in the
    // red byte), entries 10 onwards take the picture's colours (2, 4, 16, or
    // the first 236; PC_RESERVED | PC_NOCOLLAPSE) as far as the file holds
    // them, and the rest up to 245 are zero. 0; 1 not a BMP; 2 more than
    // 8 bits per pixel.
    int BuildPalette(PALETTEENTRY (&entries)[256]) const;

private:
    const uint8_t* data_;
    BmpLayout bmp_;
    CComPtr<IPicture> picture_;
};

// Loads the bytes and takes a size that can be drawn into a surface.
// 0; 1 not a picture; 2 no size, or one that is not positive.
int LoadPictureWithSize(CPictureDecoder& decoder, const uint8_t* data, uint32_t size,
                        int& width, int& height);
