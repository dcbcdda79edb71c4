#include "platform/process_start.h"

#include <windows.h>

#include <vector>

int RunProcessAndWait(const std::string& commandLine, bool wait) {
    // CreateProcess may write into the command line.
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 1;
    }
    if (wait) WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

namespace {

class CSystemProcessStarter : public CProcessStarter {
public:
    int Start(const std::string& commandLine, bool wait) override {
        return RunProcessAndWait(commandLine, wait);
    }
};

}  // namespace

CProcessStarter& SystemProcessStarter() {
    static CSystemProcessStarter starter;
    return starter;
}
