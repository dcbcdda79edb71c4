// Wave and WaveSmall move every row sideways along a cosine wave of 512 or
// 128 rows whose amplitude is the level; WaveBump shows every column a
// neighbour along a sine wave across the width, stretched vertically, and the
// level only moves the wave.
#pragma once

#include "transitions/transition_routine.h"

void Wave(MIRL_TRANSITION_PARAMETERS);
void WaveSmall(MIRL_TRANSITION_PARAMETERS);
void WaveBump(MIRL_TRANSITION_PARAMETERS);
