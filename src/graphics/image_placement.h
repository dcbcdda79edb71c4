// How a transformed draw places a picture: the destination rectangle of an
// unrotated placement, the source and destination corners of a rotated one,
// and, from these, which kind of blit draws it with which weighting.
#pragma once

#include <windows.h>

#include "graphics/edge_table.h"
#include "graphics/memory_surface.h"
#include "platform/transform2d.h"

// The destination rectangle {left, top, right, bottom} of the picture (the
// source rectangle, or the whole source when null) under an unrotated
// placement: with unit zoom the placement's MapRect of it (whole pixels,
// rounded half away from zero), else its two corners mapped unrounded.
// False, with nothing written, when the opacity byte is 0.
bool PlaceImageUnrotated(const CMemorySurface& src, const CTransform2D& placement,
                         const RECT* sourceRect, double destRect[4], int& opacity);

// The four corners, top-left, top-right, bottom-right and bottom-left, of the
// picture in the source (its last row and column end one 16.16 unit before
// the rectangle's right and bottom) and where the placement turns them to in
// the destination, all 16.16. False, with nothing written, when the opacity
// byte is 0.
bool PlaceImageRotated(const CMemorySurface& src, const CTransform2D& placement,
                       const RECT* sourceRect, FixedPoint sourceCorners[4],
                       FixedPoint destCorners[4], int& opacity);

enum class ImageBlitKind { None, OneToOne, Scaled, Rotated };
enum class ImageBlitWeighting { Opaque, Opacity, Half, Alpha, AlphaOpacity };

// The blit a transformed draw runs and what it gets.
struct ImageBlit {
    ImageBlitKind kind = ImageBlitKind::None;
    ImageBlitWeighting weighting = ImageBlitWeighting::Opaque;
    int opacity = 0;          // the opacity byte, for the weighted variants
    int x = 0, y = 0;         // one to one: where the picture's corner lands
    double destRect[4] = {};  // scaled
    FixedPoint sourceCorners[4] = {};  // rotated
    FixedPoint destCorners[4] = {};
};

// Nothing unless the opacity and both zooms are above 0.001 and the opacity
// byte is above 0. A rotated placement takes the rotated blit; an unrotated
// one the one-to-one blit at the truncated corner of its rectangle when
// both zooms are within 0.001 of 1, else the scaled blit, and nothing when
// the rectangle is empty. With the source alpha the weighting is Alpha at
// byte 255 and AlphaOpacity below; without, Opaque at 255, Half at 128 (one
// to one only) and Opacity otherwise.
ImageBlit ChooseImageBlit(const CMemorySurface& src, const CTransform2D& placement,
                          bool useSourceAlpha, const RECT* sourceRect);
