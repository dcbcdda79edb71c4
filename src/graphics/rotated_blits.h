// Textured quadrilaterals: a source picture mapped onto the quadrilateral
// p1-p2-p3-p4 of the destination through the edge table, the source pixel of
// each destination pixel sampled nearest neighbour (truncated) between the
// source coordinates uv1..uv4 given for the four corners (all 16.16).
//
// Each sampled pixel is combined with the destination exactly as the
// one-to-one blit of the same mode and weighting combines its source pixel
// (blend_blits.h), on the instruction set that blit chooses: the plain
// routines as Blit<mode>, Opacity as Blit<mode>Opacity, Alpha as
// Blit<mode>Alpha and AlphaOpacity as Blit<mode>AlphaOpacity.
//
// Only the destination's bounds cut by the clip (none when null), and of
// those only rows 0 to 599, are drawn on. Corners whose source coordinates
// lie outside the source draw nothing: every sampled pixel lies between the
// corners' coordinates, so nothing outside the source is ever read.
#pragma once

#include <windows.h>

#include "graphics/edge_table.h"
#include "graphics/memory_surface.h"

#define MIRL_ROTATED_BLIT(name)                                                                 \
    void name(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3, FixedPoint p4, \
              const CMemorySurface& src, FixedPoint uv1, FixedPoint uv2, FixedPoint uv3,        \
              FixedPoint uv4, const RECT* clip)
#define MIRL_ROTATED_WEIGHTED_BLIT(name)                                                        \
    void name(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3, FixedPoint p4, \
              const CMemorySurface& src, FixedPoint uv1, FixedPoint uv2, FixedPoint uv3,        \
              FixedPoint uv4, int opacity, const RECT* clip)
#define MIRL_ROTATED_BLITS(mode)                          \
    MIRL_ROTATED_BLIT(BlitRotated##mode);                 \
    MIRL_ROTATED_WEIGHTED_BLIT(BlitRotated##mode##Opacity); \
    MIRL_ROTATED_BLIT(BlitRotated##mode##Alpha);          \
    MIRL_ROTATED_WEIGHTED_BLIT(BlitRotated##mode##AlphaOpacity)

MIRL_ROTATED_BLITS(Normal);
MIRL_ROTATED_BLITS(Add);
MIRL_ROTATED_BLITS(Sub);
MIRL_ROTATED_BLITS(Multiply);
MIRL_ROTATED_BLITS(Screen);
MIRL_ROTATED_BLITS(Overlay);

#undef MIRL_ROTATED_BLITS
