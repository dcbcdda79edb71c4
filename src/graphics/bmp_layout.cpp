#include "graphics/bmp_layout.h"

#include <cstring>

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kSmallestFile = kFileHeaderSize + kInfoHeaderSize;
constexpr uint16_t kMagic = 0x4D42;  // "BM"
constexpr uint32_t kBitsOffsetAt = 10;
constexpr uint32_t kBitFieldMasks = 3;

uint16_t ReadHalf(const uint8_t* data, uint32_t offset) {
    return static_cast<uint16_t>(data[offset] | data[offset + 1] << 8);
}

uint32_t ReadWord(const uint8_t* data, uint32_t offset) {
    return ReadHalf(data, offset) | static_cast<uint32_t>(ReadHalf(data, offset + 2)) << 16;
}

// The colour-table entries GDI reads: those of a palette picture (as many as
// the header names, at most 2^bits), and the three masks of a bit-field
// picture whose header does not hold them itself.
uint32_t TableEntriesRead(const BITMAPINFOHEADER& header) {
    if (header.biBitCount <= 8) {
        const uint32_t full = 1u << header.biBitCount;
        return header.biClrUsed != 0 && header.biClrUsed < full ? header.biClrUsed : full;
    }
    if (header.biCompression == BI_BITFIELDS && header.biSize == kInfoHeaderSize) return kBitFieldMasks;
    return 0;
}

}  // namespace

bool ReadBmpLayout(const uint8_t* data, uint32_t size, BmpLayout& layout) {
    if (size < kSmallestFile || ReadHalf(data, 0) != kMagic) return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, data + kFileHeaderSize, sizeof header);
    if (header.biSize < kInfoHeaderSize || header.biSize > size - kFileHeaderSize) return false;
    if (header.biBitCount == 0 || header.biBitCount > 32 || header.biWidth < 0) return false;

    const uint64_t tableEntries = TableEntriesRead(header);
    if (kFileHeaderSize + uint64_t{header.biSize} + tableEntries * sizeof(RGBQUAD) > size) return false;

    const uint32_t bitsOffset = ReadWord(data, kBitsOffsetAt);
    uint64_t pixelBytes = 0;
    switch (header.biCompression) {
    case BI_RGB:
    case BI_BITFIELDS: {
        const uint64_t rowBytes = (uint64_t{uint32_t(header.biWidth)} * header.biBitCount + 31) / 32 * 4;
        const int64_t rows = header.biHeight < 0 ? -int64_t{header.biHeight} : header.biHeight;
        pixelBytes = rowBytes * rows;
        break;
    }
    case BI_RLE8:
    case BI_RLE4:
        if (header.biSizeImage == 0) return false;
        pixelBytes = header.biSizeImage;
        break;
    default:
        return false;
    }
    if (bitsOffset > size || pixelBytes > size - bitsOffset) return false;

    const bool hasPalette = header.biBitCount <= 8;
    layout.info = reinterpret_cast<const BITMAPINFO*>(data + kFileHeaderSize);
    layout.bits = data + bitsOffset;
    layout.width = header.biWidth;
    layout.height = header.biHeight;
    layout.bitCount = header.biBitCount;
    layout.table = hasPalette ? reinterpret_cast<const RGBQUAD*>(data + kFileHeaderSize + header.biSize) : nullptr;
    layout.tableEntries = hasPalette ? static_cast<uint32_t>(tableEntries) : 0;
    return true;
}
