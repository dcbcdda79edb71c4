// The Box wipes: a square hole grows from the centre or from one corner
// until the picture is gone.
#pragma once

#include "transitions/transition_routine.h"

void BoxCenter(MIRL_TRANSITION_PARAMETERS);
void BoxTopLeft(MIRL_TRANSITION_PARAMETERS);
void BoxTopRight(MIRL_TRANSITION_PARAMETERS);
void BoxBottomLeft(MIRL_TRANSITION_PARAMETERS);
void BoxBottomRight(MIRL_TRANSITION_PARAMETERS);
