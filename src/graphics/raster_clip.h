// The rectangle a rasteriser may write: the destination's bounds cut by an
// optional clip rectangle.
#pragma once

#include <windows.h>

#include "graphics/memory_surface.h"

// False when nothing of the destination is left to draw on.
bool DrawableArea(const CMemorySurface& dest, const RECT* clip, RECT& area);
