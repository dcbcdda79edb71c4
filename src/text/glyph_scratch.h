// The DIB section GDI draws glyphs into before they are read back as
// coverage. Making a DIB section costs more than rendering a glyph (about
// 1.4 ms for the 140 x 140 pixels of a 32-pixel glyph drawn four times
// larger, under Wine), so one is kept and reused: it grows to the largest
// glyph asked for, up to a bound past which a glyph gets a section of its
// own, released after it.
#pragma once

#include <windows.h>

#include <memory>

#include "graphics/memory_surface.h"

class CGlyphScratch {
public:
    // Sections up to `keptPixels` pixels stay for the next glyph.
    explicit CGlyphScratch(int keptPixels);
    CGlyphScratch(const CGlyphScratch&) = delete;
    CGlyphScratch& operator=(const CGlyphScratch&) = delete;

    // A section of at least width x height pixels with that top-left area
    // cleared to 0; null when GDI cannot make one. Valid until the next call.
    CMemorySurface* Prepare(int width, int height);

private:
    int keptPixels_;
    CMemorySurface kept_;
    CMemorySurface oversized_;
};

// The scratch the glyph renderers share (main thread only).
CGlyphScratch& SharedGlyphScratch();
