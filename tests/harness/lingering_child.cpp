// A program that leaves a process of its own running after it ends, as a
// program under Wine can (a COM surrogate it started, the desktop process).
//
//   lingering_child.exe MILLISECONDS CHILD_MILLISECONDS
//       starts a copy of itself that runs CHILD_MILLISECONDS, says "child
//       started" on its output, waits MILLISECONDS and ends
//   lingering_child.exe MILLISECONDS
//       uses the desktop (starting its process if none runs), waits
//       MILLISECONDS and ends
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

DWORD Milliseconds(const char* text) { return static_cast<DWORD>(std::strtoul(text, nullptr, 10)); }

bool StartChild(const char* milliseconds) {
    char program[MAX_PATH];
    if (GetModuleFileNameA(nullptr, program, MAX_PATH) == 0) return false;
    std::string commandLine = std::string("\"") + program + "\" " + milliseconds;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    if (!CreateProcessA(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &child)) {
        return false;
    }
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: lingering_child MILLISECONDS [CHILD_MILLISECONDS]\n");
        return 2;
    }
    if (argc > 2) {
        if (!StartChild(argv[2])) {
            std::fprintf(stderr, "lingering_child: the child did not start\n");
            return 1;
        }
        std::printf("child started\n");
    } else if (GetDesktopWindow() == nullptr) {
        std::fprintf(stderr, "lingering_child: no desktop window\n");
        return 1;
    }
    std::fflush(stdout);
    Sleep(Milliseconds(argv[1]));
    return 0;
}
