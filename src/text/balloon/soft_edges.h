// The soft edges of the Fade and Shadow styles, painted at the picture's
// own resolution from the hit region after the inside has been painted or
// cleared: a blurred copy of the shape goes behind the picture, none of it
// under the shape itself but a border line at coverage 128.
#pragma once

#include "graphics/color32.h"
#include "graphics/memory_surface.h"
#include "text/balloon/gdi_region.h"

// A halo spreading evenly around the shape: passes of the eight-neighbour
// mean.
void PaintFadeEdge(CMemorySurface& picture, const CGdiRegion& hit, Color32 edgeRgb, int passes,
                   int edgeAlpha);
// A shadow moved half a pixel right and down by each pass of the 2 x 2 mean.
void PaintShadowEdge(CMemorySurface& picture, const CGdiRegion& hit, Color32 edgeRgb,
                     int passes, int edgeAlpha);
