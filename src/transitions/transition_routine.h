// The shape every screen-transition kind shares: one plain function that
// draws a picture (or a coloured rectangle) onto a destination as it looks
// at a level from 0 (untouched) to 255 (fully transitioned).
#pragma once

#include <windows.h>

#include <cstdint>

#include "graphics/memory_surface.h"

// The size of the coloured rectangle a colour node draws in place of a picture.
struct TransitionSize {
    int width;
    int height;
};

// destination: the surface drawn into. picture: the holder's picture, or
// null for a coloured rectangle. (x, y): where the picture's top-left pixel
// lands. size: the rectangle's size, read only without a picture. clip: every
// blit and fill is cut to it (none when null). level: 0..255. code: a draw
// code (100..603) with a picture, a fill code (1100..1601) with a size.
// extra: the opacity for the draw codes x02 and x03, the colour (its alpha
// byte the opacity) for the fill codes.
using TransitionRoutine = void (*)(CMemorySurface* destination, const CMemorySurface* picture,
                                   int x, int y, const TransitionSize* size, const RECT* clip,
                                   int level, int code, uint32_t extra);

#define MIRL_TRANSITION_PARAMETERS                                            \
    CMemorySurface *destination, const CMemorySurface *picture, int x, int y, \
        const TransitionSize *size, const RECT *clip, int level, int code, uint32_t extra
#define MIRL_TRANSITION_ARGUMENTS destination, picture, x, y, size, clip, level, code, extra
