// The game's main loop and its listener of the game window's messages.
#pragma once

#include "platform/message_listener.h"

class CApplication;

class CGameMain : public CMessageListener {
public:
    explicit CGameMain(CApplication* application);
    virtual ~CGameMain();
    CGameMain(const CGameMain&) = delete;
    CGameMain& operator=(const CGameMain&) = delete;

    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // Runs frames until the application's running flag is cleared.
    void Run();

private:
    CApplication* application_;
};
