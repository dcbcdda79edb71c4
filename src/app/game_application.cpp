#include "app/game_application.h"

#include <new>

#include "app/game_main.h"
#include "platform/error_report.h"

CGameApplication::CGameApplication() = default;

CGameApplication::~CGameApplication() = default;

int CGameApplication::Configure(CWindowSettings& settings) {
    settings.title = kGameWindowTitle;
    settings.className = "MIRLHOLLOW";
    settings.clientWidth = 800;
    settings.clientHeight = 600;
    settings.style = kCaptionedWindowStyle;
    return 0;
}

void CGameApplication::RunMainLoop() {
    // The game object is destroyed on every way out, and this returns
    // normally, so Run always reaches its shutdown steps.
    try {
        CGameMain game(this);
        game.Run();
    } catch (const CInternalError&) {
        // Its box was shown where it was raised.
    } catch (const std::bad_alloc&) {
        ShowOutOfMemoryBox();
    }
}
