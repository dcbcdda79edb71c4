// The arguments Windows passed to WinMain, kept for the whole run.
#pragma once

#include <windows.h>

// Keeps them and sets the base directory to the program's folder.
void SetProgramInstance(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showFlag);
// The instance set above, or the executable's own module before that.
HINSTANCE GetProgramInstance();
