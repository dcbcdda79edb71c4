// The two scramblers of packed archives. Shared by the game's reader, which
// descrambles, and the packer tool, which scrambles; portable C++ only.
#pragma once

#include <cstdint>

namespace archive {

enum class KeyStreamDirection { Descramble, Scramble };

// The key stream over one block: the block is taken as whole little-endian
// words (a tail of 1 to 3 bytes stays as it is); for each word the key k is
// XORed in, then k = k + (plain word rotated by 16 XOR the step), the plain
// word being the one before scrambling or after descrambling.
void ApplyKeyStream(uint8_t* data, uint32_t size, uint32_t initialKey,
                    KeyStreamDirection direction);

// The stateless bit transform the reader applies to entries of scramble kind
// 2 (see the masks in archive_format.h); whole words first, then the tail.
void ApplyBitTransform(uint8_t* data, uint32_t size);

}  // namespace archive
