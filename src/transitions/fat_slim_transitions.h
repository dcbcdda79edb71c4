// Each row (FatH, SlimH) or column (FatV, SlimV) is stretched about the
// picture's centre line by a factor that follows half a sine wave across the
// picture: the Fat kinds widen the middle, the Slim kinds pinch it in.
#pragma once

#include "transitions/transition_routine.h"

void FatH(MIRL_TRANSITION_PARAMETERS);
void FatV(MIRL_TRANSITION_PARAMETERS);
void SlimH(MIRL_TRANSITION_PARAMETERS);
void SlimV(MIRL_TRANSITION_PARAMETERS);
