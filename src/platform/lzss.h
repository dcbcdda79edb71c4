// LZSS as the packed archive entries and raw images store it: a ring of 4096
// bytes that starts as zeros with the write position at 4078, and matches of
// 3 to 18 bytes. The packed stream is a sequence of groups: a flag byte, then
// eight items taken from its lowest bit up; a set bit is one literal byte, a
// clear bit a two-byte reference b0 b1 to ring position b0 | (b1 & 0xF0) << 4
// of length (b1 & 0x0F) + 3. The packer's encoder shares these constants.
#pragma once

#include <cstdint>

namespace lzss {
constexpr uint32_t kRingSize = 4096;
constexpr uint32_t kMinMatch = 3;
constexpr uint32_t kMaxMatch = 18;
constexpr uint32_t kRingStart = kRingSize - kMaxMatch;
}  // namespace lzss

// Unpacks sourceSize bytes of packed data into size bytes. With allocate set
// the destination is allocated here with new[] (the caller deletes it);
// otherwise it is the caller's buffer of at least size bytes. Decoding stops
// as soon as size bytes are produced, even inside a reference or a group, and
// never reads past the end of the source.
// 0 done; 1 when size is 0 (nothing written); 2 when the packed data end
// before size bytes are produced (an allocated destination is freed then and
// left unchanged).
int LzssDecode(const uint8_t* source, uint32_t sourceSize, uint8_t*& destination,
               uint32_t size, bool allocate);

// The most bytes that sourceSize bytes of packed data can unpack to, so that
// a size read from a file can be checked before anything is allocated.
uint64_t LzssMaxUnpackedSize(uint32_t sourceSize);
