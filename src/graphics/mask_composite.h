// Compositing a colour through coverage masks, as text and balloon shapes are
// painted. A mask is a memory surface whose coverage (0..255) stands in the
// first byte of each pixel with the other three bytes 0; the 2 x 2 routines
// take a mask of exactly twice the destination's width and height and use the
// mean of each 2 x 2 block. Surfaces of the wrong size draw nothing.
#pragma once

#include "graphics/color32.h"
#include "graphics/memory_surface.h"

// The colour with opacity m over the destination (straight alpha).
void CompositeColorOverMask(CMemorySurface& dest, const CMemorySurface& mask, Color32 colour);
void CompositeColorOverMask2x(CMemorySurface& dest, const CMemorySurface& mask, Color32 colour);
// The colour filled in behind what the destination already shows. Only the
// coverage byte is read, so a mask line drawn in grey (the same value in all
// three colour bytes) counts as that value.
void CompositeColorUnderMask(CMemorySurface& dest, const CMemorySurface& mask, Color32 colour);
// ORs the 2 x 2 coverage into the destination's alpha byte.
void SetAlphaFromMask2x(CMemorySurface& dest, const CMemorySurface& mask);
// Every destination pixel = the colour's RGB with the 2 x 2 coverage as alpha.
void FillColorWithMask2x(CMemorySurface& dest, const CMemorySurface& mask, Color32 colour);

// Softening filters over surfaces of equal size, at least 3 x 3; the border
// of the destination is left as it was. Whole pixel words are added, which
// is the coverage under the mask rule.
// Each inner pixel = (sum of its 8 neighbours in src) >> 3.
void AverageNeighbours8(CMemorySurface& dest, const CMemorySurface& src);
// Each inner pixel (x, y) = (src (x-1, y-1) + (x, y-1) + (x-1, y) + (x, y)) >> 2.
void AverageBlock2x2(CMemorySurface& dest, const CMemorySurface& src);
