// The game program's life around its application: the single-instance
// guard, the user files loaded before the game and saved on every way out,
// and the last exception handler.
#pragma once

#include <windows.h>

#include <functional>

// What runs between loading and saving the user files.
using GameRunner = std::function<void()>;

// Builds the game application and runs it.
void RunGameApplication();

// The main function's steps: keeps the arguments, takes the instance guard
// (a second start of the same program file ends here, touching nothing),
// works from the program's folder, then RunWithUserFiles. Always 0.
int RunGameProgram(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showFlag,
                   const GameRunner& run = RunGameApplication);

// Loads "UserData/Config.ini" and "UserData/System.dat", makes the folder
// "UserData" when a search finds nothing, runs inside the handler of
// CInternalError (its box was shown) and std::bad_alloc (the memory box),
// then saves System.dat and Config.ini, whatever happened.
void RunWithUserFiles(const GameRunner& run);
