// Pointers to the blend blits (blend_blits.h) and the rotated blits
// (rotated_blits.h), for the tables that choose among them: unweighted ones,
// and weighted ones that take an opacity.
#pragma once

#include <windows.h>

#include "graphics/edge_table.h"
#include "graphics/memory_surface.h"

using UnweightedBlit = void (*)(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                                const RECT* sourceRect, const RECT* clip);
using WeightedBlit = void (*)(CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                              const RECT* sourceRect, int opacity, const RECT* clip);
using ScaledBlit = void (*)(CMemorySurface& dest, const CMemorySurface& src,
                            const RECT* sourceRect, const double destRect[4], const RECT* clip);
using ScaledWeightedBlit = void (*)(CMemorySurface& dest, const CMemorySurface& src,
                                    const RECT* sourceRect, const double destRect[4], int opacity,
                                    const RECT* clip);
using RotatedBlit = void (*)(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3,
                             FixedPoint p4, const CMemorySurface& src, FixedPoint uv1,
                             FixedPoint uv2, FixedPoint uv3, FixedPoint uv4, const RECT* clip);
using RotatedWeightedBlit = void (*)(CMemorySurface& dest, FixedPoint p1, FixedPoint p2,
                                     FixedPoint p3, FixedPoint p4, const CMemorySurface& src,
                                     FixedPoint uv1, FixedPoint uv2, FixedPoint uv3,
                                     FixedPoint uv4, int opacity, const RECT* clip);
