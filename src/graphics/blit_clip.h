// The clippers every pixel routine runs before its loop: they cut the work
// to the destination, the source and an optional clip rectangle, so that the
// loops never read or write outside them. Rectangles are {left, top, right,
// bottom} with right and bottom exclusive.
#pragma once

#include <windows.h>

#include "graphics/memory_surface.h"

// A one-to-one blit of the source rectangle (the whole source when null)
// with its top-left corner at (x, y) of the destination. The destination's
// bounds are cut by the clip (when given), the source's bounds by the source
// rectangle; what both leave gives the destination rectangle, and the same
// rectangle moved back to the source gives the source rectangle. False when
// nothing is left.
bool IntersectBlitRects(const CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                        const RECT* sourceRect, const RECT* clip, RECT* destOut, RECT* sourceOut);

// IntersectBlitRects, and where a routine starts and how far it skips: the
// first pixel of each rectangle and, in pixels, what is left of each row
// after the clipped width. 1, or 0 when nothing is left (the outputs are
// then not set).
int ClipBlitRects(const CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                  const RECT* sourceRect, const RECT* clip, RECT* destOut, RECT* sourceOut,
                  const Color32** firstSource, Color32** firstDest, int* sourceSkip,
                  int* destSkip);

// A scaled blit of the source rectangle (the whole source when null) onto the
// destination rectangle {left, top, right, bottom} of doubles (the whole
// destination when null). Gives the destination pixels to draw, the source
// rectangle they come from and the nearest-neighbour walk in 16.16 fixed
// point: the source steps per destination pixel, the u start as a fraction
// relative to the output source rectangle's left column and the v start as
// an absolute source row. False when nothing is left, and for source
// rectangles 32768 pixels or more across or reaching into the source past
// column or row 32767, which 16.16 cannot address.
bool ClipScaledBlitRects(const CMemorySurface& dest, const CMemorySurface& src,
                         const RECT* sourceRect, const double* destRect, const RECT* clip,
                         RECT* destOut, RECT* sourceOut, int* uStep, int* vStep, int* uStart,
                         int* vStart);
