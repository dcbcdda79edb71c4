// The Fan wipes: a straight edge turns about a pivot and the sector it has
// swept over is no longer drawn.
#pragma once

#include "transitions/transition_routine.h"

void FanCenter(MIRL_TRANSITION_PARAMETERS);
void FanTop(MIRL_TRANSITION_PARAMETERS);
void FanBottom(MIRL_TRANSITION_PARAMETERS);
void FanLeft(MIRL_TRANSITION_PARAMETERS);
void FanRight(MIRL_TRANSITION_PARAMETERS);
void FanCenterDouble(MIRL_TRANSITION_PARAMETERS);
