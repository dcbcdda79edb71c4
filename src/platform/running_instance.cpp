#include "platform/running_instance.h"

#include <tlhelp32.h>

#include "platform/paths.h"

// The record size the process walk expects of a 32-bit program.
static_assert(sizeof(void*) != 4 || sizeof(PROCESSENTRY32) == 296,
              "the process entry of a 32-bit program");

namespace {

using CreateSnapshotFunction = HANDLE(WINAPI*)(DWORD, DWORD);
using ProcessWalkFunction = BOOL(WINAPI*)(HANDLE, LPPROCESSENTRY32);

// What FindRunningInstanceWindow receives through its lParam.
struct RunningInstanceSearch {
    CreateSnapshotFunction createSnapshot;
    ProcessWalkFunction processFirst;
    ProcessWalkFunction processNext;
    std::string fileName;
    bool activated;
};

// The executable file name of a process, from a snapshot of all processes;
// false when there is no snapshot or no entry of that process.
bool FindProcessFileName(const RunningInstanceSearch& search, DWORD processId,
                         std::string& fileName) {
    HANDLE snapshot = search.createSnapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = search.processFirst(snapshot, &entry); more && !found;
         more = search.processNext(snapshot, &entry)) {
        if (entry.th32ProcessID == processId) {
            entry.szExeFile[MAX_PATH - 1] = '\0';
            fileName = entry.szExeFile;
            found = true;
        }
    }
    CloseHandle(snapshot);
    return found;
}

template <typename Function>
Function LookUp(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

BOOL CALLBACK FindRunningInstanceWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<RunningInstanceSearch*>(lParam);
    if (!IsWindowVisible(window)) return TRUE;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    std::string fileName;
    if (!FindProcessFileName(*search, processId, fileName) ||
        lstrcmpA(fileName.c_str(), search->fileName.c_str()) != 0) {
        return TRUE;
    }
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    search->activated = true;
    return FALSE;
}

int ActivateRunningInstance(const std::string& programPath) {
    HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
    if (!kernel) return kNoProcessWalk;
    RunningInstanceSearch search = {
        LookUp<CreateSnapshotFunction>(kernel, "CreateToolhelp32Snapshot"),
        LookUp<ProcessWalkFunction>(kernel, "Process32First"),
        LookUp<ProcessWalkFunction>(kernel, "Process32Next"),
        GetFileNamePart(programPath),
        false,
    };
    if (!search.createSnapshot || !search.processFirst || !search.processNext) {
        return kNoProcessWalk;
    }
    EnumWindows(FindRunningInstanceWindow, reinterpret_cast<LPARAM>(&search));
    return search.activated ? kActivatedRunningWindow : kNoRunningWindow;
}
