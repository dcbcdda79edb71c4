// A pixel or a colour: 0xAARRGGBB, which a little-endian word stores as the
// bytes B, G, R, A.
#pragma once

#include <cstdint>

using Color32 = uint32_t;
