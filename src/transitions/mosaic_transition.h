// The picture as a mosaic of square cells of side level + 1, each showing
// one source pixel stretched over the cell.
#pragma once

#include "transitions/transition_routine.h"

void Mosaic(MIRL_TRANSITION_PARAMETERS);
