#include "app/published_game.h"

namespace {
CGameMain* g_gameMain = nullptr;
}  // namespace

CFullScreenModeFlags& FullScreenModeFlags() {
    static CFullScreenModeFlags flags;
    return flags;
}

CGameMain* GetGameMain() { return g_gameMain; }

void SetGameMain(CGameMain* game) { g_gameMain = game; }
