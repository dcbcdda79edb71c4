#include "app/game_program.h"

#include <new>

#include "app/application.h"
#include "app/game_application.h"
#include "platform/config.h"
#include "platform/error_report.h"
#include "platform/global_state.h"
#include "platform/instance_guard.h"
#include "platform/paths.h"
#include "platform/program_instance.h"
#include "platform/save_data.h"

namespace {

const char kConfigPath[] = "UserData/Config.ini";
const char kSystemDataPath[] = "UserData/System.dat";
const char kUserDataFolder[] = "UserData";

void MakeUserDataFolder() {
    const std::string folder = NormalizePath(kUserDataFolder);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(folder.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
        return;
    }
    // A folder that cannot be made shows up as the saves' own file errors.
    CreateDirectoryA(folder.c_str(), nullptr);
}

void SaveUserFiles() {
    try {
        GetSystemData().Save(kSystemDataPath);
    } catch (const CInternalError&) {
        // Its box was shown; the settings are still written.
    }
    GetConfig().Save(kConfigPath);
}

}  // namespace

void RunGameApplication() {
    CGameApplication application;
    application.Run();
}

int RunGameProgram(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showFlag,
                   const GameRunner& run) {
    SetProgramInstance(instance, previous, commandLine, showFlag);
    CInstanceGuard guard;
    if (!guard.IsFirstInstance()) return 0;
    // Every relative path is the program's folder's, whatever the current
    // directory is.
    SetBaseDirectory(GetProgramDirectory());
    // Settings changes are announced to the game window.
    SetConfigNotifyWindowProvider(GetMainWindowHandle);
    RunWithUserFiles(run);
    return 0;
}

void RunWithUserFiles(const GameRunner& run) {
    GetConfig().Load(kConfigPath);
    GetSystemData().Load(kSystemDataPath);
    MakeUserDataFolder();
    try {
        run();
    } catch (const CInternalError&) {
        // Its box was shown where it was raised.
    } catch (const std::bad_alloc&) {
        ShowOutOfMemoryBox();
    }
    SaveUserFiles();
}
