#include "graphics/raw_image.h"

#include <cstring>

#include "platform/lzss.h"

namespace {

constexpr uint32_t kWidthOffset = 4;
constexpr uint32_t kHeightOffset = 8;
constexpr uint32_t kPackedOffset = 12;
constexpr uint32_t kPixelBytesOffset = 16;
constexpr int kDamaged = 3;

uint32_t ReadWord(const uint8_t* data, uint32_t offset) {
    return data[offset] | data[offset + 1] << 8 | data[offset + 2] << 16 |
           static_cast<uint32_t>(data[offset + 3]) << 24;
}

}  // namespace

int DecodeRawImage(CMemorySurface& surface, const uint8_t* data, uint32_t size) {
    surface.Destroy();
    if (size < kRawImageHeaderSize) return kDamaged;
    const int width = static_cast<int32_t>(ReadWord(data, kWidthOffset));
    const int height = static_cast<int32_t>(ReadWord(data, kHeightOffset));
    // A size that is not positive ends in the allocation's box.
    if (width <= 0 || height <= 0) surface.AllocatePixels(width, height);

    const bool packed = ReadWord(data, kPackedOffset) != 0;
    const uint32_t pixelBytes = ReadWord(data, kPixelBytesOffset);
    const uint32_t stored = size - kRawImageHeaderSize;
    if (pixelBytes != static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4) return kDamaged;
    if (!packed && pixelBytes > stored) return kDamaged;
    if (packed && LzssMaxUnpackedSize(stored) < pixelBytes) return kDamaged;

    if (surface.AllocatePixels(width, height) != 0) return 2;
    uint8_t* pixels = reinterpret_cast<uint8_t*>(surface.GetPixels());
    const uint8_t* source = data + kRawImageHeaderSize;
    if (!packed) {
        std::memcpy(pixels, source, pixelBytes);
    } else if (LzssDecode(source, stored, pixels, pixelBytes, false) != 0) {
        return kDamaged;
    }
    return 0;
}
