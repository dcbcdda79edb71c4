// The Linear wipes: one straight edge parallel to a side moves across the
// picture and the part it has passed is no longer drawn.
#pragma once

#include "transitions/transition_routine.h"

void LinearUp(MIRL_TRANSITION_PARAMETERS);
void LinearDown(MIRL_TRANSITION_PARAMETERS);
void LinearLeft(MIRL_TRANSITION_PARAMETERS);
void LinearRight(MIRL_TRANSITION_PARAMETERS);
