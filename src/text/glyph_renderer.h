// Renders one glyph into its rectangle of a text surface: GDI draws it in
// grey into a scratch DIB section (glyph_scratch.h), and the low byte of
// every pixel, read back as coverage, becomes the alpha of the glyph's
// colour. Two renderers: plain (one sample per pixel, no rim or shadow) and
// four-times supersampled (the glyph reduced 4 x 4, with a rim and a shadow
// drawn at twice the size, reduced 2 x 2 and put behind it).
#pragma once

#include <windows.h>

#include "graphics/color32.h"

class CFont;
class CMemorySurface;

// The colours and size of a glyph. A colour whose alpha byte is 0 is not
// drawn; a rim or shadow colour with alpha is.
struct GlyphInk {
    int size;
    Color32 colour;
    Color32 rim;
    Color32 shadow;
};

// The font carries the glyph's text, face, weight and the italic,
// underline and strike-out flags; the renderers set its size, quality and
// colours. A rectangle without area is left alone.
//
// Plain: at the size, proof quality, on black; every pixel of the rectangle
// becomes (coverage << 24) + the colour's RGB.
void RenderGlyphPlain(CMemorySurface& target, const RECT& rect, CFont& font, const GlyphInk& ink);
// Supersampled: when the colour has alpha, the glyph at four times the size
// (one pixel in from the corner when there is a rim) overwrites the
// rectangle with its 4 x 4 coverage (boosted, see SupersampledCoverage);
// then the rim (eight offsets around the glyph) and the shadow (one or,
// with a rim, two pixels down and right), each at twice the size, are put
// behind it.
void RenderGlyphSupersampled(CMemorySurface& target, const RECT& rect, CFont& font,
                             const GlyphInk& ink, bool boosted);
