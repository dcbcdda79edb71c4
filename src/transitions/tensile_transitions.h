// The picture is pulled off like a stretched sheet: a shrinking part stays in
// place and the one line at its inner edge is stretched out to the
// destination's border. A coloured rectangle of zero width (or height) has
// no part to keep, but the band between its place and the border is still
// filled.
#pragma once

#include "transitions/transition_routine.h"

// flag 0: the left part stays and the line stretches to the destination's
// right border (TensileRight); 1: the right part stays and the line
// stretches to its left border (TensileLeft).
void TensileHorizontal(const CMemorySurface* picture, CMemorySurface* destination, int x, int y,
                       const TransitionSize* size, const RECT* clip, int level, int code,
                       uint32_t extra, int flag);
// The same for rows: flag 0 TensileDown (to the bottom border), 1 TensileUp
// (to the top border).
void TensileVertical(const CMemorySurface* picture, CMemorySurface* destination, int x, int y,
                     const TransitionSize* size, const RECT* clip, int level, int code,
                     uint32_t extra, int flag);

void TensileLeft(MIRL_TRANSITION_PARAMETERS);
void TensileRight(MIRL_TRANSITION_PARAMETERS);
void TensileDown(MIRL_TRANSITION_PARAMETERS);
void TensileUp(MIRL_TRANSITION_PARAMETERS);
