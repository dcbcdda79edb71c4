// The game program itself, started as its own process on a copy of the
// program and a fixture game in a temporary folder: one instance per program
// file, the user files beside the program whatever the working directory,
// and every way out ending with both files written and the exit code 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/config.h"
#include "platform/paths.h"
#include "platform/save_data.h"
#include "support/temp_folder.h"

namespace {

std::string GoldenDefaultSettings() {
    return std::string(MIRL_SETTINGS_DATA_DIR) + "/default_config.ini";
}

// A copy of the program with a fixture game's archives.
class CGameCopy {
public:
    explicit CGameCopy(const std::string& game = "fixture",
                       const std::string& programName = "mirlwood.exe")
        : programName_(programName) {
        const std::string bin = GetProgramDirectory();
        CopyFileA((bin + "mirlwood.exe").c_str(), Program().c_str(), FALSE);
        for (const char* archive : {"S.dat", "mn.dat"}) {
            folder_.Write(archive, ReadBytes(bin + "game_" + game + "\\" + archive));
        }
    }
    std::string Program() const { return folder_.Path() + programName_; }
    std::string UserFile(const char* name) const { return folder_.Path() + "UserData\\" + name; }
    // UserData/Config.ini: the default settings with one line replaced.
    void WriteSettings(const std::string& line, const std::string& replacement) const {
        std::string text;
        for (uint8_t byte : ReadBytes(GoldenDefaultSettings())) text += static_cast<char>(byte);
        const size_t at = text.find(line);
        ASSERT_NE(at, std::string::npos) << line;
        text.replace(at, line.size(), replacement);
        folder_.Write("UserData/Config.ini", text);
    }
    const std::string& Path() const { return folder_.Path(); }

private:
    CTempFolder folder_;
    std::string programName_;
};

// Wine's DirectDraw switched off for the programs of one file name while it
// lives.
class CNoDirectDrawFor {
public:
    explicit CNoDirectDrawFor(const std::string& programName)
        : key_("Software\\Wine\\AppDefaults\\" + programName) {
        HKEY overrides = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, (key_ + "\\DllOverrides").c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &overrides, nullptr);
        // An empty load order: the library is not loaded at all.
        RegSetValueExA(overrides, "ddraw", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
        RegCloseKey(overrides);
    }
    ~CNoDirectDrawFor() {
        RegDeleteKeyA(HKEY_CURRENT_USER, (key_ + "\\DllOverrides").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
    }

private:
    std::string key_;
};

// A started process, ended at the latest when the object goes.
class CGameProcess {
public:
    explicit CGameProcess(const std::string& program, const std::string& workingDir = "") {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                                  workingDir.empty() ? nullptr : workingDir.c_str(), &startup,
                                  &info_) != 0;
    }
    ~CGameProcess() {
        if (!started_) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    bool Started() const { return started_; }
    DWORD Id() const { return info_.dwProcessId; }
    // The exit code, or STILL_ACTIVE after the time.
    DWORD WaitForExit(DWORD ms) {
        WaitForSingleObject(info_.hProcess, ms);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(info_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
};

struct WindowSearch {
    DWORD process;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindows(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[64];
    if (process == search->process && IsWindowVisible(window) &&
        GetClassNameA(window, name, sizeof name) && std::string(name) == search->className) {
        search->found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> VisibleWindows(DWORD process, const char* className) {
    WindowSearch search = {process, className, {}};
    EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Waits up to ten seconds for the first shown window of the class.
HWND WaitForWindow(DWORD process, const char* className) {
    for (int i = 0; i < 1000; ++i) {
        std::vector<HWND> windows = VisibleWindows(process, className);
        if (!windows.empty()) return windows[0];
        Sleep(10);
    }
    return nullptr;
}

HWND WaitForGameWindow(CGameProcess& process) {
    return WaitForWindow(process.Id(), "MIRLHOLLOW");
}

// A message box of the process, with its caption.
HWND WaitForBox(CGameProcess& process, std::string* caption) {
    HWND box = WaitForWindow(process.Id(), "#32770");
    if (box && caption) {
        char text[256] = {};
        GetWindowTextA(box, text, sizeof text);
        *caption = text;
    }
    return box;
}

void PressButton(HWND box, int id) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

// Both user files written by the run and readable.
void ExpectBothFilesSaved(const CGameCopy& copy) {
    CConfig config;
    EXPECT_TRUE(config.Load(copy.UserFile("Config.ini")));
    CSystemData system;
    EXPECT_TRUE(system.Load(copy.UserFile("System.dat")));
}

TEST(GameProcess, ASecondStartEndsAtOnceAndBringsTheFirstToTheFront) {
    CGameCopy copy;
    copy.WriteSettings("IsDiagnosis\t\t= true", "IsDiagnosis\t\t= false");
    CGameProcess first(copy.Program());
    ASSERT_TRUE(first.Started());
    HWND window = WaitForGameWindow(first);
    ASSERT_NE(window, nullptr);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600);

    // Minimised, behind a window of this test.
    ShowWindow(window, SW_MINIMIZE);
    HWND other = CreateWindowExA(0, "STATIC", "in front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(other);
    const Bytes settings = ReadBytes(copy.UserFile("Config.ini"));

    CGameProcess second(copy.Program());
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.WaitForExit(10000), 0u);
    EXPECT_EQ(ReadBytes(copy.UserFile("Config.ini")), settings);
    EXPECT_FALSE(FileExists(copy.UserFile("System.dat")));
    EXPECT_FALSE(IsIconic(window));
    EXPECT_EQ(GetForegroundWindow(), window);
    DestroyWindow(other);

    // A copy in another folder is another program file.
    CGameCopy elsewhere;
    elsewhere.WriteSettings("IsDiagnosis\t\t= true", "IsDiagnosis\t\t= false");
    CGameProcess beside(elsewhere.Program());
    EXPECT_NE(WaitForGameWindow(beside), nullptr);

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(10000), 0u);
    PostMessageA(WaitForGameWindow(beside), WM_CLOSE, 0, 0);
    EXPECT_EQ(beside.WaitForExit(10000), 0u);
    ExpectBothFilesSaved(copy);
}

TEST(GameProcess, FromAnotherFolderWithoutUserDataItIsMadeAndTheDefaultsAreSaved) {
    CGameCopy copy;
    CTempFolder workingDir;
    {
        CGameProcess game(copy.Program(), workingDir.Path());
        HWND window = WaitForGameWindow(game);
        ASSERT_NE(window, nullptr);
        // Escape asks; Yes in the real box ends the game.
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        std::string caption;
        HWND box = WaitForBox(game, &caption);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(caption, "Lanternmoss-Sidelight- 終了確認");
        PressButton(box, IDYES);
        EXPECT_EQ(game.WaitForExit(10000), 0u);
    }
    EXPECT_EQ(ReadBytes(copy.UserFile("Config.ini")), ReadBytes(GoldenDefaultSettings()));
    ExpectBothFilesSaved(copy);
    EXPECT_FALSE(FileExists(workingDir.Path() + "UserData"));

    // Settings chosen from the menu are saved.
    {
        CGameProcess game(copy.Program(), workingDir.Path());
        HWND window = WaitForGameWindow(game);
        ASSERT_NE(window, nullptr);
        PostMessageA(window, WM_COMMAND, 40085, 0);
        PostMessageA(window, WM_COMMAND, 40147, 0);
        PostMessageA(window, WM_COMMAND, 40150, 0);
        PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(game.WaitForExit(10000), 0u);
    }
    CConfig config;
    ASSERT_TRUE(config.Load(copy.UserFile("Config.ini")));
    EXPECT_EQ(config.GetBGMVolume(), -1500);
    EXPECT_EQ(config.GetBaseFPS(), 45);
    EXPECT_FALSE(config.IsValidExitDialog());
}

TEST(GameProcess, AnInternalErrorEndsTheGameWithBothFilesSaved) {
    CGameCopy copy("loop_fixture");
    copy.WriteSettings("IsDiagnosis\t\t= true", "IsDiagnosis\t\t= false");
    CGameProcess game(copy.Program());
    std::string caption;
    HWND box = WaitForBox(game, &caption);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(caption, "Internal Error");
    PressButton(box, IDOK);
    EXPECT_EQ(game.WaitForExit(10000), 0u);
    ExpectBothFilesSaved(copy);
}

TEST(GameProcess, WithoutDirectDrawOneBoxAndAnOrderlyEnd) {
    CGameCopy copy("fixture", "mirlnodraw.exe");
    CNoDirectDrawFor noDirectDraw("mirlnodraw.exe");
    CGameProcess game(copy.Program());
    std::string caption;
    HWND box = WaitForBox(game, &caption);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(caption, "DirectDraw Error");
    PressButton(box, IDOK);
    // No second box follows.
    for (int i = 0; i < 100 && game.WaitForExit(20) == STILL_ACTIVE; ++i) {
        EXPECT_TRUE(VisibleWindows(game.Id(), "#32770").empty());
    }
    EXPECT_EQ(game.WaitForExit(10000), 0u);
    ExpectBothFilesSaved(copy);
}

}  // namespace

namespace {

// The two versions the save loop writes, as the settings file's bytes.
Bytes SettingsFileOf(int fps, int skipWait) {
    CTempFolder folder;
    CBaseDirectoryScope base(folder.Path());
    CConfig settings;
    settings.SetBaseFPS(fps);
    settings.SetSkipWait(skipWait);
    settings.Save("Config.ini");
    return ReadBytes(folder.Path() + "Config.ini");
}

TEST(GameProcess, SettingsSurviveAKillDuringSave) {
    const Bytes versions[] = {SettingsFileOf(30, 0), SettingsFileOf(45, 5000)};
    CTempFolder folder;
    CreateDirectoryA((folder.Path() + "UserData").c_str(), nullptr);
    const std::string config = folder.Path() + "UserData\\Config.ini";
    const std::string system = folder.Path() + "UserData\\System.dat";
    const std::string helper = GetProgramDirectory() + "game_save_loop.exe";
    for (DWORD killAfter : {1, 3, 7, 13, 29, 53, 97, 151}) {
        SCOPED_TRACE(killAfter);
        // Without the folder's last "\", which would escape the quote.
        const std::string folderArgument = folder.Path().substr(0, folder.Path().size() - 1);
        const std::string commandLine = "\"" + helper + "\" \"" + folderArgument + "\"";
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &info));
        for (int i = 0; i < 500 && !(FileExists(config) && FileExists(system)); ++i) Sleep(10);
        Sleep(killAfter);
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, 5000);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);

        const Bytes left = ReadBytes(config);
        EXPECT_TRUE(left == versions[0] || left == versions[1]);
        CSystemData data;
        ASSERT_TRUE(data.Load(system));
        EXPECT_TRUE(data.vars.values[0] == 1 || data.vars.values[0] == 2);
        EXPECT_EQ(data.vars.values[kSaveValueCount - 1], data.vars.values[0]);
    }

    // The next save works beside whatever temporary files were left.
    CBaseDirectoryScope base(folder.Path());
    folder.Write("UserData/Config.ini.tmp", std::string("half"));
    folder.Write("UserData/System.dat.tmp", std::string("half"));
    CConfig settings;
    settings.SetBaseFPS(15);
    settings.Save("UserData/Config.ini");
    CSystemData data;
    data.vars.values[0] = 3;
    ASSERT_TRUE(data.Save("UserData/System.dat"));
    CConfig loaded;
    ASSERT_TRUE(loaded.Load("UserData/Config.ini"));
    EXPECT_EQ(loaded.GetBaseFPS(), 15);
    CSystemData loadedData;
    ASSERT_TRUE(loadedData.Load("UserData/System.dat"));
    EXPECT_EQ(loadedData.vars.values[0], 3);
}

}  // namespace
