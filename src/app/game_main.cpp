#include "app/game_main.h"

#include "app/application.h"
#include "app/menu_ids.h"

namespace {
constexpr DWORD kFrameSleepMs = 16;
}  // namespace

CGameMain::CGameMain(CApplication* application) : application_(application) {
    AddAppMessageListener(this);
}

CGameMain::~CGameMain() { RemoveAppMessageListener(this); }

void CGameMain::Run() {
    while (application_->PumpMessages()) {
        Sleep(kFrameSleepMs);
    }
}

int CGameMain::HandleMessage(HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == kMenuExit) {
        application_->ClearRunning();
        return 1;
    }
    return 0;
}
