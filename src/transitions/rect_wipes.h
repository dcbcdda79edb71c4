// The Rect wipes: the visible part shrinks to a rectangle that closes in on
// the centre or on one corner.
#pragma once

#include "transitions/transition_routine.h"

void RectCenter(MIRL_TRANSITION_PARAMETERS);
void RectTopLeft(MIRL_TRANSITION_PARAMETERS);
void RectTopRight(MIRL_TRANSITION_PARAMETERS);
void RectBottomLeft(MIRL_TRANSITION_PARAMETERS);
void RectBottomRight(MIRL_TRANSITION_PARAMETERS);
