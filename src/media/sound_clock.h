// The clock that sound positions are counted on: timeGetTime.
#pragma once

#include "platform/clock.h"

CClock& SoundClock();
