// Transformed fills: a width x height rectangle of one colour, placed by a
// CTransform2D (its top-left corner at the placement point, zoomed, then
// turned), drawn in one of the six blend modes with the placement's opacity.
//
// Nothing is drawn unless the opacity and both zooms are above 0.001 and
// the opacity byte (trunc(opacity x 255), 255 at most) is above 0. A
// rotated placement goes to the mode's polygon fill with the colour's alpha
// byte set to the opacity byte (the plain polygon fill at 255, the Alpha one
// below). An unrotated one fills the rectangle the placement maps
// {0, 0, width, height} to:
// - Normal: at 255 FillNormal with the colour as given (its alpha byte lands
//   in the destination); black at 128 FillNormalBlackHalf, at 192, 224,
//   240, 248, 252 and 254 FillNormalBlackShift by 2 to 7, else
//   FillNormalBlackOpacity keeping 255 - opacity; other colours at 128
//   FillNormalHalf, else FillNormalAlpha weighted by the opacity byte;
// - the other modes: at 255 the mode's solid fill, else its Alpha fill
//   weighted by the opacity byte.
// Adding white at full opacity fills white, and subtracting it fills black,
// through FillTransformedNormal.
//
// Colours come with alpha byte 0; the polygon fills limit the destination
// to 600 rows.
#pragma once

#include <windows.h>

#include "graphics/color32.h"
#include "graphics/memory_surface.h"
#include "platform/transform2d.h"

#define MIRL_TRANSFORMED_FILL(name)                                                      \
    void name(CMemorySurface& dest, Color32 colour, const CTransform2D& placement, int width, \
              int height, const RECT* clip)

MIRL_TRANSFORMED_FILL(FillTransformedNormal);
MIRL_TRANSFORMED_FILL(FillTransformedAdd);
MIRL_TRANSFORMED_FILL(FillTransformedSub);
MIRL_TRANSFORMED_FILL(FillTransformedMultiply);
MIRL_TRANSFORMED_FILL(FillTransformedScreen);
MIRL_TRANSFORMED_FILL(FillTransformedOverlay);

#undef MIRL_TRANSFORMED_FILL
