// The program's raw picture format (extension "abm"): a 24-byte header of
// little-endian 32-bit words, then the pixels as B, G, R, A bytes, rows
// top-down without padding, stored as they are or LZSS-packed.
//
//   offset 0   not read
//   offset 4   width in pixels (signed, > 0)
//   offset 8   height in pixels (signed, > 0)
//   offset 12  0: the pixels are stored as they are; else LZSS-packed
//   offset 16  bytes of pixels once unpacked: width x height x 4
//   offset 20  not read
#pragma once

#include <cstdint>

#include "graphics/memory_surface.h"

constexpr uint32_t kRawImageHeaderSize = 24;

// Reads a raw image held in memory into the surface (which is destroyed
// first). A width or height that is not positive ends in the surface's
// "Warning" box like any other allocation of that size. 0 read; 2 the pixels
// cannot be allocated; 3 the file is damaged: shorter than its header, a
// size field other than width x height x 4, fewer stored pixel bytes than
// that, or packed data that end early.
int DecodeRawImage(CMemorySurface& surface, const uint8_t* data, uint32_t size);
