// The game program's entry.
#include <windows.h>

#include <new>

#include "app/game_application.h"
#include "platform/program_instance.h"
#include "app/application.h"
#include "platform/config.h"
#include "platform/error_report.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showFlag) {
    SetProgramInstance(instance, previous, commandLine, showFlag);
    // Settings changes are announced to the game window.
    SetConfigNotifyWindowProvider(GetMainWindowHandle);
    try {
        CGameApplication application;
        application.Run();
    } catch (const CInternalError&) {
        // Its box was shown where it was raised.
    } catch (const std::bad_alloc&) {
        ShowOutOfMemoryBox();
    }
    return 0;
}
