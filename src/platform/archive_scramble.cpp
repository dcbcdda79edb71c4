#include "platform/archive_scramble.h"

#include "platform/archive_format.h"

namespace archive {

namespace {

uint32_t RotateBy16(uint32_t v) { return (v << 16) | (v >> 16); }

constexpr uint32_t Repeat(uint8_t b) { return b * 0x01010101u; }

}  // namespace

void ApplyKeyStream(uint8_t* data, uint32_t size, uint32_t initialKey,
                    KeyStreamDirection direction) {
    uint32_t k = initialKey;
    for (uint32_t i = 0; i + 4 <= size; i += 4) {
        uint32_t w = LoadU32(data + i);
        uint32_t plain = direction == KeyStreamDirection::Descramble ? w ^ k : w;
        StoreU32(data + i, w ^ k);
        k += RotateBy16(plain) ^ kKeyStreamStep;
    }
}

void ApplyBitTransform(uint8_t* data, uint32_t size) {
    const uint32_t m1 = Repeat(kBitMask1), m2 = Repeat(kBitMask2), m3 = Repeat(kBitMask3);
    uint32_t i = 0;
    for (; i + 4 <= size; i += 4) {
        uint32_t w = LoadU32(data + i);
        StoreU32(data + i, (~((w << 6) & m1) & m2) ^ ((w >> 2) & m3));
    }
    for (; i < size; ++i) {
        uint32_t b = data[i];
        data[i] = static_cast<uint8_t>((~((b << 6) & kBitMask1) & kBitMask2) ^
                                       ((b >> 2) & kBitMask3));
    }
}

}  // namespace archive
