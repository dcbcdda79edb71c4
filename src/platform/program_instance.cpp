#include "platform/program_instance.h"

#include "platform/paths.h"

namespace {
HINSTANCE g_instance = nullptr;
}  // namespace

void SetProgramInstance(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    g_instance = instance;
    // Every relative path of the game is taken from the program's folder,
    // whatever the current directory is.
    SetBaseDirectory(GetProgramDirectory());
}

HINSTANCE GetProgramInstance() {
    return g_instance ? g_instance : GetModuleHandleA(nullptr);
}
