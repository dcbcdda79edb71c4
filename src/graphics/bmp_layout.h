// Where the parts of a BMP file lie, checked against the file's size before
// GDI is given any of them: GDI reads the info header, the colour table and
// the pixel rows through pointers and trusts the sizes the file states.
#pragma once

#include <windows.h>

#include <cstdint>

struct BmpLayout {
    // Where GDI reads: the info header (with the colour table after it) and
    // the pixel data.
    const BITMAPINFO* info;
    const uint8_t* bits;
    // The header's fields as they stand.
    int32_t width;
    int32_t height;
    uint16_t bitCount;
    // A palette picture's colour table and its entries that lie in the file
    // (at most 256); none for other pictures.
    const RGBQUAD* table;
    uint32_t tableEntries;
};

// Accepts a file of at least 54 bytes that begins with "BM" and whose info
// header (at least the 40-byte BITMAPINFOHEADER), colour table or bit masks
// and pixel data (the rows of uncompressed and bit-field pictures, the
// stated image size of run-length packed ones) all lie inside it. Pictures
// of other compressions, of a bit count of 0 or above 32 or of a negative
// width are refused: their data cannot be checked.
bool ReadBmpLayout(const uint8_t* data, uint32_t size, BmpLayout& layout);
