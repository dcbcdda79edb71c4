// The program's one counted start of COM: CoInitialize runs for the first
// user and CoUninitialize when the last one leaves.
#pragma once

// 0 when COM is ready for the caller, who must then call ComUninit once;
// 1 when COM could not be started on this thread (nothing to undo).
int ComInit();
// Undoes one successful ComInit; does nothing when no user is left.
void ComUninit();
