// Rectangle fills: one colour over the pixels of a rectangle in one of the
// six blend modes, solid or weighted by the colour's own alpha byte (a), and
// four shortcut fills for black and half-opacity layers. Per channel d of
// the destination and c of the colour (blue, green and red; the alpha byte
// is kept unless noted):
//
//   FillNormal         the colour word stored, alpha byte included
//   FillNormalAlpha    ((d x (255 - a)) >> 8) + ((c x a) >> 8)
//   FillAdd(Alpha)     min(255, d + ((c x a) >> 8)), a = 255 for FillAdd
//   FillSub(Alpha)     max(0, d - ((c x a) >> 8)), a = 255 for FillSub
//   FillMultiply       (d x c) >> 8
//   FillMultiplyAlpha  FillMultiply of c' = 255 - (((256 - c) x a) >> 8)
//   FillScreen         255 - (((255 - d) x (255 - c)) >> 8)
//   FillScreenAlpha    FillScreen of c' = (c x a) >> 8
//   FillOverlay(Alpha) dark = 128 - trunc((128 - c) x a / 256), light =
//                      128 - trunc((c - 128) x a / 256); d <= 128:
//                      (d x dark) >> 7, else 255 - trunc((255 - d) x light
//                      / 128); a = 255 for FillOverlay
//   FillNormalBlackOpacity(keep k)  (d x k) >> 8
//   FillNormalBlackHalf             d >> 1
//   FillNormalBlackShift(shift n)   d >> n, n from 1 to 7
//   FillNormalHalf                  (d >> 1) + (c >> 1)
//
// A weight of 255 is not an exact one: FillAdd of white adds 254.
//
// The rectangle {left, top, right, bottom} (right and bottom exclusive) is
// cut by the clip rectangle when there is one and by the destination's
// bounds; nothing outside is touched, and an empty remainder fills nothing.
//
// Every call chooses its instruction set (SSE, else MMX, else plain: see
// fill_loops.h). FillNormal, FillNormalBlackHalf, FillNormalBlackShift and
// FillNormalHalf have SSE and MMX paths; FillNormalAlpha,
// FillNormalBlackOpacity, FillAddAlpha, FillSubAlpha, FillMultiply,
// FillScreen and FillOverlayAlpha MMX paths; the other fills pass their
// work on to one of these. The paths give the plain colours, except:
// - SSE FillNormalBlackHalf gives (d + 1) >> 1 and SSE FillNormalHalf
//   (d + c + 1) >> 1, both on all four bytes (alpha included);
// - the alpha byte becomes 0 on the MMX paths of FillNormalAlpha,
//   FillNormalBlackOpacity, FillNormalBlackHalf, FillNormalBlackShift and
//   FillNormalHalf, and on the SSE path of FillNormalBlackShift.
// Every other path keeps the alpha byte, as the plain path does.
#pragma once

#include <windows.h>

#include "graphics/color32.h"
#include "graphics/memory_surface.h"

// Stores the colour word in every pixel of the surface. A surface without
// pixels raises GetPixels' "Warning" box (1010, 577) and CInternalError.
void FillSurfaceFast(CMemorySurface& surface, Color32 colour);

#define MIRL_RECTANGLE_FILL(name)                                                          \
    void name(CMemorySurface& dest, int left, int top, int right, int bottom, Color32 colour, \
              const RECT* clip)

MIRL_RECTANGLE_FILL(FillNormal);
MIRL_RECTANGLE_FILL(FillNormalAlpha);
MIRL_RECTANGLE_FILL(FillAdd);
MIRL_RECTANGLE_FILL(FillAddAlpha);
MIRL_RECTANGLE_FILL(FillSub);
MIRL_RECTANGLE_FILL(FillSubAlpha);
MIRL_RECTANGLE_FILL(FillMultiply);
MIRL_RECTANGLE_FILL(FillMultiplyAlpha);
MIRL_RECTANGLE_FILL(FillScreen);
MIRL_RECTANGLE_FILL(FillScreenAlpha);
MIRL_RECTANGLE_FILL(FillOverlay);
MIRL_RECTANGLE_FILL(FillOverlayAlpha);

#undef MIRL_RECTANGLE_FILL

void FillNormalBlackOpacity(CMemorySurface& dest, int left, int top, int right, int bottom,
                            int keep, const RECT* clip);
void FillNormalBlackHalf(CMemorySurface& dest, int left, int top, int right, int bottom,
                         const RECT* clip);
void FillNormalBlackShift(CMemorySurface& dest, int left, int top, int right, int bottom,
                          int shift, const RECT* clip);
void FillNormalHalf(CMemorySurface& dest, int left, int top, int right, int bottom,
                    Color32 colour, const RECT* clip);
