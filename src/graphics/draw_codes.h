// The codes by which the screen transitions name the one-to-one blits:
// blend mode x 100 (Normal 1, Add 2, Sub 3, Multiply 4, Screen 5, Overlay 6)
// + 0 opaque, 1 weighted by the source alpha, 2 by a constant opacity, 3 by
// both: 100 BlitNormal, 101 BlitNormalAlpha, 102 BlitNormalOpacity, 103
// BlitNormalAlphaOpacity, ... 603 BlitOverlayAlphaOpacity. The same codes
// name the scaled blits (100 BlitScaledNormal ... 603
// BlitScaledOverlayAlphaOpacity); the half blits have no code.
#pragma once

#include <windows.h>

#include "graphics/blit_pointers.h"
#include "graphics/memory_surface.h"

// The blit a code names: exactly one of the two is set, the weighted one for
// the variants that take an opacity; both are null for a code that names no
// blit.
struct DrawRoutine {
    UnweightedBlit unweighted;
    WeightedBlit weighted;
};

DrawRoutine FindDrawRoutine(int drawCode);

// The scaled blit a code names, in the same way.
struct ScaledDrawRoutine {
    ScaledBlit unweighted;
    ScaledWeightedBlit weighted;
};

ScaledDrawRoutine FindScaledDrawRoutine(int drawCode);

// Runs the blit the code names (the opacity goes to the weighted variants
// only); a code that names none draws nothing.
void DrawByCode(int drawCode, CMemorySurface& dest, int x, int y, const CMemorySurface& src,
                const RECT* sourceRect, int opacity, const RECT* clip);
