// The Circle wipes: the visible part shrinks to a disc that closes in on the
// middle of one edge or on the centre.
#pragma once

#include "transitions/transition_routine.h"

void CircleTop(MIRL_TRANSITION_PARAMETERS);
void CircleBottom(MIRL_TRANSITION_PARAMETERS);
void CircleLeft(MIRL_TRANSITION_PARAMETERS);
void CircleRight(MIRL_TRANSITION_PARAMETERS);
void CircleCenter(MIRL_TRANSITION_PARAMETERS);
