// The picture jitters by random offsets that grow with the level: every row
// sideways (ShakeHLine), every column up or down (ShakeVLine), or every 4 x 4
// cell from a randomly displaced source cell (ShakeRect). The caller seeds
// rand() before each call.
#pragma once

#include "transitions/transition_routine.h"

void ShakeHLine(MIRL_TRANSITION_PARAMETERS);
void ShakeVLine(MIRL_TRANSITION_PARAMETERS);
void ShakeRect(MIRL_TRANSITION_PARAMETERS);
