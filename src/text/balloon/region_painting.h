// Painting a balloon's shape region into its picture: GDI fills and frames
// the region at double resolution in a work surface, and each 2 x 2 block
// becomes one anti-aliased picture pixel.
#pragma once

#include "graphics/color32.h"
#include "graphics/memory_surface.h"
#include "text/balloon/gdi_region.h"

// Every picture pixel becomes the fill colour with the block's coverage of
// the region as alpha.
void FillShapeRegion(CMemorySurface& picture, const CGdiRegion& paint, Color32 fill);
// The same with a frame two work pixels wide inside the region's border.
void FrameShapeRegion(CMemorySurface& picture, const CGdiRegion& paint, Color32 edge);
// The fill with the frame blended into it: colour and opacity reduced
// separately.
void FillAndFrameShapeRegion(CMemorySurface& picture, const CGdiRegion& paint, Color32 fill,
                             Color32 edge);
