// The radial fill of the stroke-edged balloons: full opacity at the centre,
// falling off towards the ellipse of relative reach s and zero beyond it.
#pragma once

#include "graphics/color32.h"
#include "graphics/memory_surface.h"

// Every pixel of the picture is written (nothing when reach is 0 or the
// picture is narrower or lower than 2 pixels); a higher power gives a
// flatter top and a sharper rim.
void FillSoftEllipse(CMemorySurface& picture, Color32 colour, double reach, int power);
