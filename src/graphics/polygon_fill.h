// Coloured quadrilaterals through the edge table: the rotated fills of the
// six blend modes, a plain and an Alpha routine each. The Alpha routines
// weigh the colour by its alpha byte; the plain ones (but Normal, which
// stores the colour) are the Alpha routine with that byte at 255. The
// destination's alpha byte is left as it was, except by FillPolygonNormal
// and by the MMX path of FillPolygonNormalAlpha, which blends it like a
// colour: (d x (255 - a) >> 8) + (a x a >> 8). That path is taken when the
// processor has MMX and the MMX switch is on; every other routine, and every
// routine with the switch off, runs the plain loop.
#pragma once

#include <windows.h>

#include "graphics/color32.h"
#include "graphics/edge_table.h"
#include "graphics/memory_surface.h"

#define MIRL_POLYGON_FILL(name)                                                              \
    void name(CMemorySurface& dest, FixedPoint p1, FixedPoint p2, FixedPoint p3, FixedPoint p4, \
              Color32 colour, const RECT* clip)

MIRL_POLYGON_FILL(FillPolygonNormal);
MIRL_POLYGON_FILL(FillPolygonNormalAlpha);
MIRL_POLYGON_FILL(FillPolygonAdd);
MIRL_POLYGON_FILL(FillPolygonAddAlpha);
MIRL_POLYGON_FILL(FillPolygonSub);
MIRL_POLYGON_FILL(FillPolygonSubAlpha);
MIRL_POLYGON_FILL(FillPolygonMultiply);
MIRL_POLYGON_FILL(FillPolygonMultiplyAlpha);
MIRL_POLYGON_FILL(FillPolygonScreen);
MIRL_POLYGON_FILL(FillPolygonScreenAlpha);
MIRL_POLYGON_FILL(FillPolygonOverlay);
MIRL_POLYGON_FILL(FillPolygonOverlayAlpha);

#undef MIRL_POLYGON_FILL
