// The game program itself, started as its own process.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ProgramBesideThisTest(const char* name) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.find_last_of('\\') + 1) + name;
}

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindGameWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64];
    // Found once it is shown: creation and showing are separate steps.
    if (process == search->process && IsWindowVisible(window) &&
        GetClassNameA(window, name, sizeof name) && std::string(name) == "MIRLHOLLOW") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

TEST(GameProgram, OpensItsWindowAndEndsWithZeroWhenClosed) {
    std::string program = ProgramBesideThisTest("mirlwood.exe");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    ASSERT_TRUE(CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &info))
        << program;

    Search search = {info.dwProcessId, nullptr};
    for (int i = 0; i < 1000 && !search.found; ++i) {
        EnumWindows(FindGameWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(10);
    }
    ASSERT_NE(search.found, nullptr);
    RECT client;
    GetClientRect(search.found, &client);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600);

    PostMessageA(search.found, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(info.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

}  // namespace
