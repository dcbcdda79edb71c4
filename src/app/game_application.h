// The game program's application: the game window's title and class, and
// CGameMain as the main loop.
#pragma once

#include "app/application.h"

// The game window's title, also the caption of the start-up failure box.
constexpr const char* kGameWindowTitle =
    "Lanternmoss-Sidelight- Wrenfield Winter - Harrowmere Inc.";

class CGameApplication : public CApplication {
public:
    CGameApplication();
    ~CGameApplication() override;

protected:
    void RunMainLoop() override;
    int Configure(CWindowSettings& settings) override;
};
