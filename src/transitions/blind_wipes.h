// The Blind wipes: the picture is cut into slats 16 lines wide, like a
// Venetian blind, and every slat narrows by whole lines as the level rises.
#pragma once

#include "transitions/transition_routine.h"

void BlindRight(MIRL_TRANSITION_PARAMETERS);
void BlindLeft(MIRL_TRANSITION_PARAMETERS);
void BlindUp(MIRL_TRANSITION_PARAMETERS);
void BlindDown(MIRL_TRANSITION_PARAMETERS);
void BlindSlant(MIRL_TRANSITION_PARAMETERS);
