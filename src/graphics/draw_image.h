// Transformed draws: a picture (the source rectangle of src, or all of it
// when null) placed by a CTransform2D onto dest in one of the six blend
// modes, through the cheapest blit that gives it (ChooseImageBlit in
// image_placement.h): the one-to-one blit, its half variant at an opacity
// byte of 128 without source alpha, the scaled blit, or the rotated blit of
// the mode. With useSourceAlpha the picture is weighted by its alpha bytes.
// The source rectangle and the clip (none when null) go to the blit as they
// are given.
#pragma once

#include <windows.h>

#include "graphics/blend_mode.h"
#include "graphics/memory_surface.h"
#include "platform/transform2d.h"

#define MIRL_DRAW_IMAGE(name)                                                        \
    void name(CMemorySurface& dest, const CMemorySurface& src, const CTransform2D& placement, \
              bool useSourceAlpha, const RECT* sourceRect, const RECT* clip)

MIRL_DRAW_IMAGE(DrawImageNormal);
MIRL_DRAW_IMAGE(DrawImageAdd);
MIRL_DRAW_IMAGE(DrawImageSub);
MIRL_DRAW_IMAGE(DrawImageMultiply);
MIRL_DRAW_IMAGE(DrawImageScreen);
MIRL_DRAW_IMAGE(DrawImageOverlay);

using DrawImageFunction = void (*)(CMemorySurface& dest, const CMemorySurface& src,
                                   const CTransform2D& placement, bool useSourceAlpha,
                                   const RECT* sourceRect, const RECT* clip);

// The transformed draw of a blend mode, as picture nodes choose it; null for
// a value that is no mode.
DrawImageFunction DrawImageForMode(int mode);
