// The layout of a packed archive and the keys of its scramblers. The game's
// reader and the packer tool (tools/packer) both include this header, so the
// two can never disagree about a constant. It holds no Windows types: the
// packer is also built for the build machine.
//
// An archive, all integers little-endian u32:
//   0        "ZediVeri", no terminating zero
//   8        version, 1 or 2
//   12       L, the length of the name block, at most 255
//   16       the name block: the archive's own file name, key-stream scrambled
//   16 + L   N, the number of directory entries
//   20 + L   N directory entries of 80 bytes, each key-stream scrambled alone
//   ...      the entries' data, at the offsets the entries give
#pragma once

#include <cstdint>

namespace archive {

inline uint32_t LoadU32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

inline void StoreU32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

constexpr char kMagic[8] = {'Z', 'e', 'd', 'i', 'V', 'e', 'r', 'i'};
constexpr uint32_t kMagicSize = 8;
constexpr uint32_t kVersion1 = 1;
constexpr uint32_t kVersion2 = 2;

constexpr uint32_t kVersionOffset = 8;
constexpr uint32_t kNameBlockLengthOffset = 12;
constexpr uint32_t kNameBlockOffset = 16;
constexpr uint32_t kMaxNameBlockLength = 255;

constexpr uint32_t kEntrySize = 80;
constexpr uint32_t kEntryNameSize = 64;  // zero-terminated when shorter

// Directory entry of a version-1 archive (bytes 64 to 67 are not used).
constexpr uint32_t kV1OffsetField = 68;
constexpr uint32_t kV1SizeField = 72;
constexpr uint32_t kV1StoredSizeField = 76;

// Directory entry of a version-2 archive.
constexpr uint32_t kV2OffsetField = 64;
constexpr uint32_t kV2SizeField = 68;
constexpr uint32_t kV2StoredSizeField = 72;
constexpr uint32_t kV2ScrambleKindField = 76;  // only its low byte counts

// How the data of a version-2 entry are scrambled (the low byte of the kind
// field; any value other than these two means plain). Version-1 data are
// always key-stream scrambled. An entry whose stored size equals its size is
// stored as it is; otherwise its data are LZSS-packed and scrambling applies
// to the packed bytes.
enum ScrambleKind : uint8_t {
    kScramblePlain = 0,
    kScrambleKeyStream = 1,
    kScrambleBitTransform = 2,
};

// Initial keys of the key stream, one per kind of block, and its step.
constexpr uint32_t kNameBlockKey = 0x6A4E2D91u;
constexpr uint32_t kDirectoryEntryKey = 0x3C17B5E8u;
constexpr uint32_t kEntryDataKey = 0x91D0F4A3u;
constexpr uint32_t kKeyStreamStep = 0x5E2B7C1Du;

// The bit transform turns each byte b into
//   (NOT((b << 6) AND M1) AND M2) XOR ((b >> 2) AND M3)
// and each whole 32-bit word the same way with the bytes repeated four times.
// It must be one-to-one, or the packer could not produce every byte the
// reader has to see. With M3 = 0x3F, M1 AND M2 = 0xC0 and M2 having its two
// top bits set, output bits 0-5 are input bits 2-7 of the same byte XOR M2's
// low bits, and output bits 6-7 are input bits 0-1 inverted: the transform is
// a rotation of each byte by two places XOR M2, which is one-to-one. Because
// no bit crosses into a neighbouring byte, the word and the single-byte forms
// agree, so a stream may be transformed in chunks of any length.
constexpr uint8_t kBitMask1 = 0xE6;
constexpr uint8_t kBitMask2 = 0xD9;
constexpr uint8_t kBitMask3 = 0x3F;
static_assert(kBitMask3 == 0x3F && (kBitMask1 & kBitMask2) == 0xC0,
              "the bit transform must stay a byte rotation to be one-to-one");

}  // namespace archive
