// The codes by which the screen transitions name the rectangle fills:
// 1000 + blend mode x 100 (Normal 1, Add 2, Sub 3, Multiply 4, Screen 5,
// Overlay 6) + 0 for the solid colour or 1 for the colour weighted by its own
// alpha byte: 1100 FillNormal, 1101 FillNormalAlpha, ... 1601
// FillOverlayAlpha.
#pragma once

#include <windows.h>

#include "graphics/color32.h"
#include "graphics/memory_surface.h"

using FillRoutine = void (*)(CMemorySurface& dest, int left, int top, int right, int bottom,
                             Color32 colour, const RECT* clip);

// Null for a code that names no fill; such a code draws nothing.
FillRoutine FindFillRoutine(int fillCode);
