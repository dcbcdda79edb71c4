#include "game_process.h"

#include "graphics/memory_surface.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr DWORD kPollMs = 10;

struct WindowSearch {
    DWORD process;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64];
    // Found once it is shown: creation and showing are separate steps.
    if (process == search->process && IsWindowVisible(window) && GetClassNameA(window, name, sizeof name) &&
        std::string(name) == search->className) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

CGameProcess::CGameProcess(const std::string& program, const std::string& folder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info_)) {
        info_ = {};
    }
}

CGameProcess::~CGameProcess() {
    if (!Started()) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND CGameProcess::WaitForWindow(const char* className, DWORD timeoutMs) const {
    WindowSearch search = {info_.dwProcessId, className, nullptr};
    const DWORD start = GetTickCount();
    for (;;) {
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found || GetTickCount() - start >= timeoutMs) return search.found;
        Sleep(kPollMs);
    }
}

DWORD CGameProcess::WaitForExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

std::vector<Color32> ReadScreenOf(HWND window) {
    CMemorySurface copy;
    copy.SetUseDibSection(true);
    if (copy.Create(kWidth, kHeight) != 0) return {};
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    BitBlt(copy.GetDC(), 0, 0, kWidth, kHeight, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    std::vector<Color32> pixels(copy.GetPixels(), copy.GetPixels() + kWidth * kHeight);
    for (Color32& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}
