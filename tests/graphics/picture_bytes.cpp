#include "picture_bytes.h"

#include <zlib.h>

#include <stdexcept>
#include <string>

namespace {

void AppendBigEndian(Bytes& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void AppendLittle16(Bytes& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void AppendChunk(Bytes& out, const char* type, const Bytes& data) {
    AppendBigEndian(out, static_cast<uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    AppendBigEndian(out, static_cast<uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

}  // namespace

Bytes EncodePng(const PngPicture& picture) {
    Bytes out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes header;
    AppendBigEndian(header, picture.width);
    AppendBigEndian(header, picture.height);
    header.insert(header.end(), {picture.bitDepth, picture.colorType, 0, 0, picture.interlaced});
    AppendChunk(out, "IHDR", header);
    if (!picture.palette.empty()) AppendChunk(out, "PLTE", picture.palette);
    if (!picture.transparency.empty()) AppendChunk(out, "tRNS", picture.transparency);

    Bytes raw;
    for (const Bytes& row : picture.rows) {
        raw.push_back(0);  // filter: none
        raw.insert(raw.end(), row.begin(), row.end());
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    Bytes packed(packedSize);
    if (compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size())) != Z_OK) {
        throw std::runtime_error("zlib refused the rows");
    }
    packed.resize(packedSize);
    AppendChunk(out, "IDAT", packed);
    AppendChunk(out, "IEND", {});
    return out;
}

void PutWord(Bytes& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

void PutHalf(Bytes& bytes, size_t offset, uint16_t value) {
    bytes.at(offset) = static_cast<uint8_t>(value);
    bytes.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

Bytes EncodeBmp(const BmpPicture& picture) {
    const uint32_t rowBytes = (static_cast<uint32_t>(picture.width) * picture.bitCount + 31) / 32 * 4;
    const uint32_t rows = static_cast<uint32_t>(picture.rows.size());
    const uint32_t bitsOffset = 14 + 40 + static_cast<uint32_t>(picture.colorTable.size());
    Bytes out(bitsOffset + rowBytes * rows, 0);
    out[0] = 'B';
    out[1] = 'M';
    PutWord(out, 2, static_cast<uint32_t>(out.size()));
    PutWord(out, 10, bitsOffset);
    PutWord(out, 14, 40);
    PutWord(out, 18, static_cast<uint32_t>(picture.width));
    PutWord(out, 22, static_cast<uint32_t>(picture.height));
    PutHalf(out, 26, 1);
    PutHalf(out, 28, picture.bitCount);
    PutWord(out, 34, rowBytes * rows);
    PutWord(out, 46, static_cast<uint32_t>(picture.colorTable.size() / 4));
    std::copy(picture.colorTable.begin(), picture.colorTable.end(), out.begin() + 54);
    for (uint32_t i = 0; i < rows; ++i) {
        const uint32_t stored = picture.height < 0 ? i : rows - 1 - i;
        const Bytes& row = picture.rows[i];
        std::copy(row.begin(), row.end(), out.begin() + bitsOffset + stored * rowBytes);
    }
    return out;
}

// The image data are LZW codes of 3 bits that never let the code table grow
// a bit: a clear code before every second pixel.
Bytes EncodeGif(uint16_t width, uint16_t height, const Bytes& colors, const Bytes& indices) {
    constexpr uint32_t kClear = 4;
    constexpr uint32_t kEnd = 5;
    constexpr int kCodeBits = 3;
    std::vector<uint32_t> codes;
    for (size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0) codes.push_back(kClear);
        codes.push_back(indices[i]);
    }
    codes.push_back(kEnd);
    Bytes packed;
    uint32_t bitBuffer = 0;
    int bitCount = 0;
    for (uint32_t code : codes) {
        bitBuffer |= code << bitCount;
        bitCount += kCodeBits;
        while (bitCount >= 8) {
            packed.push_back(static_cast<uint8_t>(bitBuffer));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    }
    if (bitCount > 0) packed.push_back(static_cast<uint8_t>(bitBuffer));

    Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
    AppendLittle16(out, width);
    AppendLittle16(out, height);
    out.insert(out.end(), {0x91, 0, 0});  // a global table of 4 entries
    out.insert(out.end(), colors.begin(), colors.end());
    out.push_back(0x2C);  // image descriptor
    AppendLittle16(out, 0);
    AppendLittle16(out, 0);
    AppendLittle16(out, width);
    AppendLittle16(out, height);
    out.push_back(0);
    out.push_back(2);  // LZW minimum code size
    out.push_back(static_cast<uint8_t>(packed.size()));
    out.insert(out.end(), packed.begin(), packed.end());
    out.insert(out.end(), {0, 0x3B});
    return out;
}
