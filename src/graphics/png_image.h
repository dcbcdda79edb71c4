// PNG pictures through libpng, decoded straight into a memory surface as
// B, G, R, A bytes: palette and grey pictures are expanded to colour, 16-bit
// channels keep their high byte, and pictures without an alpha channel get
// the filler byte 8 in its place (so an opaque pixel's fourth byte is 8).
// Grey-with-alpha and colour-with-alpha pictures set the surface's has-alpha
// flag; no other kind does, a palette with transparency included.
#pragma once

#include <cstdint>
#include <string>

#include "graphics/memory_surface.h"

// Reads the PNG file from the packed archives. 0 read; -1 the file is not
// found or is not a PNG libpng can read; -2 the pixels cannot be allocated.
// A file that does not begin with the PNG signature leaves the surface
// untouched; every other failure leaves it empty.
int LoadPngImage(CMemorySurface& surface, const std::string& path);

// The same for a PNG file held in memory.
int DecodePngImage(CMemorySurface& surface, const uint8_t* data, uint32_t size);
