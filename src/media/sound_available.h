// Whether the process has a working sound device. Start-up sets it once the
// shared device could be opened; until then it is false, every sound group
// operation does nothing and the script compiler builds no sound statement.
#pragma once

bool IsSoundAvailable();
void SetSoundAvailable(bool available);
