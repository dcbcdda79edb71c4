// Damage made to the picture format of generated movies: the fields of the
// first stream's "strf" record (a bitmap header) and the picture size of the
// main header, one damage at a time for the table and seeded for the fuzz.
#pragma once

#include <cstdint>
#include <random>

#include "media/avi_damage.h"

namespace picture_damage {

// Offsets in the bitmap header.
enum Field : size_t {
    kSize = 0,
    kWidth = 4,
    kHeight = 8,
    kPlanes = 12,
    kBitCount = 14,
    kCompression = 16,
    kSizeImage = 20,
    kColoursUsed = 32,
};

// Where the picture stream's bitmap header starts.
inline size_t Bitmap(const Bytes& avi) { return avi_damage::Find(avi).streamFormats[0] + 8; }
// Where the main header's width and height lie.
inline size_t MainWidth(const Bytes& avi) { return avi_damage::Find(avi).mainHeader + 8 + 32; }
inline size_t MainHeight(const Bytes& avi) { return MainWidth(avi) + 4; }

inline void Put(Bytes& avi, Field field, uint32_t value) { avi_damage::Put32(avi, Bitmap(avi) + field, value); }

inline uint32_t Code(const char (&code)[5]) {
    return uint32_t(uint8_t(code[0])) | uint32_t(uint8_t(code[1])) << 8 | uint32_t(uint8_t(code[2])) << 16 |
           uint32_t(uint8_t(code[3])) << 24;
}

// The picture's size in its format and in the main header alike.
inline void Resize(Bytes& avi, int32_t width, int32_t height) {
    Put(avi, kWidth, static_cast<uint32_t>(width));
    Put(avi, kHeight, static_cast<uint32_t>(height));
    avi_damage::Put32(avi, MainWidth(avi), static_cast<uint32_t>(width < 0 ? -width : width));
    avi_damage::Put32(avi, MainHeight(avi), static_cast<uint32_t>(height < 0 ? -height : height));
}

// One or two seeded changes to the bitmap header's fields or the main
// header's picture size, with values near the old one, at the edges of the
// field's range, the odd widths that spoil block codecs, and the codes and
// bit counts of other compressions.
inline void Mutate(Bytes& avi, std::mt19937& random) {
    const size_t bitmap = Bitmap(avi);
    const size_t longs[] = {bitmap + kSize,      bitmap + kWidth,     bitmap + kHeight,
                            bitmap + kSizeImage, bitmap + 24,         bitmap + 28,
                            bitmap + kColoursUsed, bitmap + 36,       MainWidth(avi),
                            MainHeight(avi)};
    const int changes = 1 + static_cast<int>(random() % 2);
    for (int c = 0; c < changes; ++c) {
        switch (random() % 4) {
            case 0:
            case 1: {
                const size_t at = longs[random() % (sizeof longs / sizeof longs[0])];
                const uint32_t old = avi_damage::Get32(avi, at);
                const uint32_t values[] = {0,       1,       0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFCu,
                                           old + 1, old - 1, old * 2,     old / 2,     0u - old,    17,
                                           159,     161,     321,         16777216,    static_cast<uint32_t>(random())};
                avi_damage::Put32(avi, at, values[random() % (sizeof values / sizeof values[0])]);
                break;
            }
            case 2: {
                const uint32_t codes[] = {0,           1,           2,           3,           Code("cvid"),
                                          Code("CVID"), Code("MSVC"), Code("CRAM"), Code("msvc"), Code("XVID"),
                                          Code("IV50"), static_cast<uint32_t>(random())};
                avi_damage::Put32(avi, bitmap + kCompression, codes[random() % (sizeof codes / sizeof codes[0])]);
                break;
            }
            default: {
                const uint16_t values[] = {0, 1, 2, 4, 8, 15, 16, 24, 32, 0xFFFF, static_cast<uint16_t>(random())};
                const size_t at = bitmap + (random() % 2 ? kBitCount : kPlanes);
                avi_damage::Put16(avi, at, values[random() % (sizeof values / sizeof values[0])]);
                break;
            }
        }
    }
}

}  // namespace picture_damage
