// The picture is wiped away behind a frayed edge: solid on one side of a
// moving boundary, with a fringe of 64 lines beyond it in which more and more
// lines are torn sideways by random amounts. The caller seeds rand() before
// each call; only fringe lines inside the clip take random numbers.
#pragma once

#include "transitions/transition_routine.h"

void ScratchDown(MIRL_TRANSITION_PARAMETERS);
void ScratchUp(MIRL_TRANSITION_PARAMETERS);
void ScratchLeft(MIRL_TRANSITION_PARAMETERS);
void ScratchRight(MIRL_TRANSITION_PARAMETERS);
