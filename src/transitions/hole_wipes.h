// The Hole wipes: a round hole grows from the middle of one edge or from the
// centre until the picture is gone.
#pragma once

#include "transitions/transition_routine.h"

void HoleTop(MIRL_TRANSITION_PARAMETERS);
void HoleBottom(MIRL_TRANSITION_PARAMETERS);
void HoleLeft(MIRL_TRANSITION_PARAMETERS);
void HoleRight(MIRL_TRANSITION_PARAMETERS);
void HoleCenter(MIRL_TRANSITION_PARAMETERS);
