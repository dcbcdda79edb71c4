// The input method is taken away from the main window in full screen, where
// its composition window would cover the game, and given back in window mode.
#pragma once

void DetachImeContext();
void RestoreImeContext();
