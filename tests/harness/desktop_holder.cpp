// Holds Wine's desktop open: it connects to the desktop (starting its window
// process if none runs), says so on its output, then waits.
//
//   desktop_holder.exe                 waits until it is killed
//   desktop_holder.exe MILLISECONDS    waits that long, then ends
//
// Wine closes the desktop a second after its last program ends, and the next
// program to use it starts a new desktop process that keeps that program's
// error output open for as long as the desktop lives. The test session runs
// one holder for its whole life, so no test program ever starts the desktop
// and every test's output closes when the test ends.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (GetDesktopWindow() == nullptr) {
        std::fprintf(stderr, "desktop_holder: no desktop window\n");
        return 1;
    }
    std::printf("desktop ready\n");
    std::fflush(stdout);
    const DWORD wait = argc > 1 ? static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)) : INFINITE;
    Sleep(wait);
    return 0;
}
