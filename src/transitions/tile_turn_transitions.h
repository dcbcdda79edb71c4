// TileLeftTop: 64 x 64 tiles shrinking toward their top-left corners.
// TurnH, TurnV: the picture turns once about its vertical or horizontal
// centre line and is whole again at level 255.
#pragma once

#include "transitions/transition_routine.h"

void TileLeftTop(MIRL_TRANSITION_PARAMETERS);
void TurnH(MIRL_TRANSITION_PARAMETERS);
void TurnV(MIRL_TRANSITION_PARAMETERS);
