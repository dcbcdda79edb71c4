// The picture goes in small random 4 x 2 blocks: everywhere at once
// (ShaveAll), behind a ragged edge (ShaveUp, ShaveDown, ShaveLeft,
// ShaveRight), as a shrinking disc (ShaveCircle) or a growing hole
// (ShaveHole). The caller seeds rand() before each call; every block is
// tested whether or not the clip reaches it, so the cells of one frame agree.
#pragma once

#include "transitions/transition_routine.h"

void ShaveAll(MIRL_TRANSITION_PARAMETERS);
void ShaveDown(MIRL_TRANSITION_PARAMETERS);
void ShaveUp(MIRL_TRANSITION_PARAMETERS);
void ShaveLeft(MIRL_TRANSITION_PARAMETERS);
void ShaveRight(MIRL_TRANSITION_PARAMETERS);
void ShaveCircle(MIRL_TRANSITION_PARAMETERS);
void ShaveHole(MIRL_TRANSITION_PARAMETERS);
