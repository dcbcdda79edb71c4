#include "app/program_instance.h"

namespace {
HINSTANCE g_instance = nullptr;
}  // namespace

void SetProgramInstance(HINSTANCE instance, HINSTANCE, LPSTR, int) { g_instance = instance; }

HINSTANCE GetProgramInstance() {
    return g_instance ? g_instance : GetModuleHandleA(nullptr);
}
