#include "optionpad_process.h"

const char kOptionpadCaption[] = "Lanternmossコンフィグエディタ";

namespace {

constexpr DWORD kPatience = 10000;

struct DialogSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindShownDialog(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<DialogSearch*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (processId == search->processId && IsWindowVisible(window) &&
        std::string(caption) == kOptionpadCaption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::string OptionpadBesideThisTest() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of('\\') + 1) + "Optionpad.exe";
}

std::string CopyOptionpadInto(const std::string& folder) {
    const std::string copy = folder + "Optionpad.exe";
    CopyFileA(OptionpadBesideThisTest().c_str(), copy.c_str(), FALSE);
    return copy;
}

HWND FindOptionpadDialog(DWORD processId) {
    DialogSearch search = {processId, nullptr};
    EnumWindows(FindShownDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PumpMessagesFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
}

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD limit) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= limit) return false;
        PumpMessagesFor(10);
    }
    return true;
}

COptionpadProcess::COptionpadProcess(const std::string& program) : info_() {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, "C:\\",
                        &startup, &info_)) {
        info_ = PROCESS_INFORMATION();
    }
}

COptionpadProcess::~COptionpadProcess() {
    if (!IsStarted()) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, kPatience);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND COptionpadProcess::WaitForDialog() const {
    const DWORD start = GetTickCount();
    while (IsStarted() && GetTickCount() - start < kPatience) {
        if (HWND dialog = FindOptionpadDialog(Id())) return dialog;
        PumpMessagesFor(10);
    }
    return nullptr;
}

std::optional<DWORD> COptionpadProcess::WaitForExit(DWORD milliseconds) const {
    const DWORD start = GetTickCount();
    while (IsStarted()) {
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0) {
            DWORD code = STILL_ACTIVE;
            GetExitCodeProcess(info_.hProcess, &code);
            return code;
        }
        if (GetTickCount() - start >= milliseconds) break;
        PumpMessagesFor(10);
    }
    return std::nullopt;
}
