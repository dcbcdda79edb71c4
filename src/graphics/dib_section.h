// A stand-alone GDI DIB section, rows top-down, selected into its own memory
// DC: the picture decoder draws into it when the surface that wants the
// picture keeps its pixels on the heap.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class CDibSection {
public:
    CDibSection();
    ~CDibSection();
    CDibSection(const CDibSection&) = delete;
    CDibSection& operator=(const CDibSection&) = delete;

    // Destroys what it held and makes a width x height section of that many
    // bits per pixel. 0; 1 the DIB section cannot be made; 2 nor the DC.
    int Create(int width, int height, int bitsPerPixel);
    void Destroy();
    // 0, or 1 when there is no section.
    int GetSize(int& width, int& height) const;
    // The first byte of the top row; null when there is no section.
    const uint8_t* GetBits() const { return bits_; }
    HDC GetDC() const { return dc_; }

    // Opens the picture file from the packed archives and draws it into a
    // new section of its size. 0; 1 not a picture; 2 no size, or one that is
    // not positive; 3 the section cannot be made; 4 drawing failed.
    int LoadPicture(const std::string& path, int bitsPerPixel);
    // The same for picture bytes in memory.
    int DrawPicture(const uint8_t* data, uint32_t size, int bitsPerPixel);

private:
    uint8_t* bits_;
    int width_;
    int height_;
    int bitsPerPixel_;
    HBITMAP bitmap_;
    HGDIOBJ previousBitmap_;
    HDC dc_;
};
