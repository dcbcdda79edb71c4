#include "game_process.h"

#include "support/display_screen.h"

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

std::vector<Color32> ReadScreen(const RECT& area) { return ReadDisplayScreen(area); }

std::vector<Color32> ReadScreenOf(HWND window) {
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    return ReadScreen(RECT{origin.x, origin.y, origin.x + kWidth, origin.y + kHeight});
}

std::vector<Color32> ReadClientOf(HWND window, SIZE* size) {
    RECT client = {0, 0, 0, 0};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    *size = SIZE{client.right - client.left, client.bottom - client.top};
    return ReadScreen(client);
}
