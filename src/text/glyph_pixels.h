// The pixel arithmetic of glyph rendering: GDI draws a glyph in grey into a
// DIB section, and only the low (blue) byte of each pixel is read back as
// coverage. These turn that coverage into the text surface's pixels.
#pragma once

#include <cstdint>

#include "graphics/color32.h"

// The four-times supersampled coverage at (x, y) of the glyph: the sum s of
// the low bytes of the 4 x 4 block at (4x, 4y) of a source `pitch` pixels
// wide, s / 16; boosted (small Mincho glyphs, which come out thin),
// (s + s / 4) / 16 held to 255.
int SupersampledCoverage(const Color32* source, int pitch, int x, int y, bool boosted);

// The mean low byte of the 2 x 2 block at (2x, 2y): the 2 x 2 box sum / 4.
int HalfCoverage(const Color32* source, int pitch, int x, int y);

// Puts `colour` (its RGB) behind the pixel with the coverage: the pixel's
// alpha d keeps its weight, the colour adds coverage x (255 - d) / 255; the
// pixel is left alone when the sum is 0.
void CompositeUnder(Color32* pixel, int coverage, Color32 colour);
