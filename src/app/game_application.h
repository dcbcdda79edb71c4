// The game program's application: the game window's title and class, and
// CGameMain as the main loop.
#pragma once

#include "app/application.h"

class CGameApplication : public CApplication {
public:
    CGameApplication();
    ~CGameApplication() override;

protected:
    void RunMainLoop() override;
    int Configure(CWindowSettings& settings) override;
};
