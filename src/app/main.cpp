// The game program's entry.
#include <windows.h>

#include "app/game_program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showFlag) {
    return RunGameProgram(instance, previous, commandLine, showFlag);
}
