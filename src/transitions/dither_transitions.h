// Dissolves pixel by pixel: DitherHatch by an ordered 16 x 16 threshold
// pattern, DitherRandom by a random threshold per pixel (the caller seeds
// rand() before each call).
#pragma once

#include <cstdint>

#include "transitions/transition_routine.h"

// 4 rows of 4 thresholds, index = column + 4 * row.
extern const int32_t DitherMatrix4x4[16];

void DitherHatch(MIRL_TRANSITION_PARAMETERS);
void DitherRandom(MIRL_TRANSITION_PARAMETERS);
