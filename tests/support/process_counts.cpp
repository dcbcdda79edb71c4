#include "support/process_counts.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <vector>

namespace {

int ThreadsOf(DWORD processId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int threads = 0;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == processId) ++threads;
    }
    CloseHandle(snapshot);
    return threads;
}

// One row of the system's handle table (SystemHandleInformation, class 16).
struct SystemHandleEntry {
    ULONG ownerPid;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ULONG access;
};

struct SystemHandleTable {
    ULONG count;
    SystemHandleEntry entries[1];
};

using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004);

// The process's rows of the system handle table; 0 when it cannot be read.
DWORD HandlesInSystemTable(DWORD processId) {
    auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return 0;
    std::vector<BYTE> buffer(1 << 16);
    LONG status = kLengthMismatch;
    while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                           nullptr)) == kLengthMismatch) {
        buffer.resize(buffer.size() * 2);
    }
    if (status < 0) return 0;
    const auto* table = reinterpret_cast<const SystemHandleTable*>(buffer.data());
    DWORD handles = 0;
    for (ULONG i = 0; i < table->count; ++i) {
        if (table->entries[i].ownerPid == processId) ++handles;
    }
    return handles;
}

}  // namespace

ProcessCounts CountsOf(HANDLE process) {
    ProcessCounts counts;
    const DWORD processId = GetProcessId(process);
    counts.threads = ThreadsOf(processId);
    // Wine answers the count call without filling the count in; the
    // system's handle table tells the same there.
    if (!GetProcessHandleCount(process, &counts.handles) || counts.handles == 0) {
        counts.handles = HandlesInSystemTable(processId);
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, &memory, sizeof memory)) counts.privateBytes = memory.PagefileUsage;
    return counts;
}

ProcessCounts SettledCounts(HANDLE process, const ProcessCounts& limit, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    ProcessCounts counts = CountsOf(process);
    while ((counts.threads > limit.threads || counts.handles > limit.handles) &&
           GetTickCount() - start < timeoutMs) {
        Sleep(50);
        counts = CountsOf(process);
    }
    return counts;
}
