// The real Optionpad.exe, copied into a folder of a test's own (its own
// "UserData", its own mutex) and started as its own process.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

// The caption of the editor's dialog, in Shift-JIS.
extern const char kOptionpadCaption[];

// The editor built beside this test program.
std::string OptionpadBesideThisTest();
// Copies it into the folder (ending in "\"); the copy's path.
std::string CopyOptionpadInto(const std::string& folder);

// The shown dialog of a process, or null.
HWND FindOptionpadDialog(DWORD processId);

// Handles the messages sent or posted to this thread's windows for a while,
// so that activation across processes never waits on the test.
void PumpMessagesFor(DWORD milliseconds);

// Dispatches this thread's messages until done() holds or the limit passes;
// whether done() held. Window state that another process changes arrives
// late on a loaded machine, so tests poll for it instead of sleeping.
bool PumpMessagesUntil(const std::function<bool()>& done, DWORD limit = 20000);

class COptionpadProcess {
public:
    // Starts the program with the root of drive C: as its current directory,
    // so that only its own folder can lead it to its files.
    explicit COptionpadProcess(const std::string& program);
    // Ends a process that is still running.
    ~COptionpadProcess();
    COptionpadProcess(const COptionpadProcess&) = delete;
    COptionpadProcess& operator=(const COptionpadProcess&) = delete;

    bool IsStarted() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    // The dialog once it shows, or null after ten seconds.
    HWND WaitForDialog() const;
    // The exit code once the process has ended, or nothing while it still
    // runs after the time given.
    std::optional<DWORD> WaitForExit(DWORD milliseconds = 10000) const;

private:
    PROCESS_INFORMATION info_;
};
