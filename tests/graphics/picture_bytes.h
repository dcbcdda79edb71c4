// Picture files made in memory by the tests: PNG (stored through zlib, no
// libpng), BMP and GIF (with uncompressed LZW codes), each exactly as its
// format lays it out.
#pragma once

#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

struct PngPicture {
    uint32_t width;
    uint32_t height;
    uint8_t bitDepth;
    uint8_t colorType;
    // Each row's bytes as the PNG stores them, without the filter byte (for
    // an interlaced picture, the rows of the seven passes one after another).
    std::vector<Bytes> rows;
    // PLTE: red, green, blue per entry; tRNS: as the colour type has it.
    Bytes palette;
    Bytes transparency;
    bool interlaced = false;
};

// The whole file: signature, IHDR, PLTE and tRNS when given, one IDAT and
// IEND, each chunk with its CRC.
Bytes EncodePng(const PngPicture& picture);

struct BmpPicture {
    int32_t width;
    // Negative for a top-down picture.
    int32_t height;
    uint16_t bitCount;
    // RGBQUADs: blue, green, red, 0 per entry.
    Bytes colorTable;
    // The pixel rows top-down, each without its padding to 4 bytes.
    std::vector<Bytes> rows;
};

// A BITMAPFILEHEADER, a 40-byte BITMAPINFOHEADER (BI_RGB, biClrUsed the
// entries of the colour table), the colour table and the rows padded to 4
// bytes, bottom-up unless the height is negative.
Bytes EncodeBmp(const BmpPicture& picture);

// Little-endian words written into or read from a file's bytes.
void PutWord(Bytes& bytes, size_t offset, uint32_t value);
void PutHalf(Bytes& bytes, size_t offset, uint16_t value);

// A GIF89a with a global table of four colours (red, green, blue triples)
// and one image of 2-bit colour indices.
Bytes EncodeGif(uint16_t width, uint16_t height, const Bytes& colors, const Bytes& indices);
