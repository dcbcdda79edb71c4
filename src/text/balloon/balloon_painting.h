// Painting the balloon picture from the built regions in the manner of the
// edge style: the fill inside, the edge at the border.
#pragma once

#include "graphics/color32.h"
#include "graphics/memory_surface.h"
#include "text/balloon/gdi_region.h"

struct BalloonPaintInput {
    int shape = 0;  // BalloonShape
    int style = 0;  // BalloonStyle
    Color32 fill = 0;  // 0xAARRGGBB
    Color32 edge = 0;
    const CGdiRegion* paint = nullptr;  // 2W x 2H space
    const CGdiRegion* hit = nullptr;  // W x H space
};

// Overwrites every pixel of the W x H picture (nothing when it has no
// pixels). A style other than 1 to 4 on shapes 1 to 80 is a fatal
// "Internal Error" (2005, 150); shapes 81 to 87 only ask whether the style
// is None.
void PaintBalloonShape(CMemorySurface& picture, const BalloonPaintInput& input);
