// The Tereco wipes: the picture is cut into one-pixel rows (H) or columns
// (V), and neighbouring lines are pulled away in opposite directions as
// their kept parts shrink.
#pragma once

#include "transitions/transition_routine.h"

void TerecoH(MIRL_TRANSITION_PARAMETERS);
void TerecoV(MIRL_TRANSITION_PARAMETERS);
void TerecoHDouble(MIRL_TRANSITION_PARAMETERS);
void TerecoVDouble(MIRL_TRANSITION_PARAMETERS);
