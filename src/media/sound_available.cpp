#include "media/sound_available.h"

namespace {

bool soundAvailable = false;

}  // namespace

bool IsSoundAvailable() { return soundAvailable; }

void SetSoundAvailable(bool available) { soundAvailable = available; }
