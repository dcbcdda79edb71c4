// The Curtain wipes: the picture as stripes that are taken away one after
// another from the far side, the stripes at the moving border narrowing a
// pixel at a time.
#pragma once

#include <cstdint>

#include "transitions/transition_routine.h"

// The two bodies: stripes of `stripeWidth` (> 0) columns or rows, counted
// from the left (top) side when `fromStart` is non-zero, else from the right
// (bottom) side.
void CurtainWipeHorizontal(MIRL_TRANSITION_PARAMETERS, uint8_t fromStart, int stripeWidth);
void CurtainWipeVertical(MIRL_TRANSITION_PARAMETERS, uint8_t fromStart, int stripeWidth);

void CurtainLeft(MIRL_TRANSITION_PARAMETERS);
void CurtainRight(MIRL_TRANSITION_PARAMETERS);
void CurtainUp(MIRL_TRANSITION_PARAMETERS);
void CurtainDown(MIRL_TRANSITION_PARAMETERS);
