// The configuration editor's entry: one modal dialog over the settings file
// that the game reads, "UserData/Config.ini" beside the program.
#include <windows.h>

#include <string>

#include "optionpad/option_dialog.h"
#include "optionpad/option_ids.h"
#include "platform/config.h"
#include "platform/error_report.h"
#include "platform/instance_guard.h"
#include "platform/paths.h"
#include "platform/program_instance.h"

namespace {

// The editor's settings, its only state: the dialog shows this object and
// changes nothing else. Its setters' notices have no window to go to and
// reach nobody.
CConfig g_config;

void MakeUserDataFolder() {
    const std::string folder = NormalizePath("UserData");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(folder.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        CreateDirectoryA(folder.c_str(), nullptr);
    } else {
        FindClose(search);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showFlag) {
    try {
        SetProgramInstance(instance, previous, commandLine, showFlag);
        // A second start of this file shows the running editor and ends.
        CInstanceGuard guard;
        if (!guard.IsFirstInstance()) return 0;
        SetBaseDirectory(GetProgramDirectory());
        MakeUserDataFolder();
        g_config.Load(kOptionConfigPath);
        DialogBoxParamA(instance, MAKEINTRESOURCEA(OPTIONPAD_DIALOG), nullptr, OptionDialogProc,
                        reinterpret_cast<LPARAM>(&g_config));
    } catch (const CInternalError&) {
        // Its box was shown where it was raised; the guard has let go of the
        // mutex on the way out.
    }
    return 0;
}
