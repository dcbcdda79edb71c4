// What the running game main publishes for the in-game screens: itself, and
// which 800 x 600 full-screen modes the display offers (found once at
// start-up).
#pragma once

class CGameMain;

struct CFullScreenModeFlags {
    bool full16 = false;
    bool full24 = false;
    bool full32 = false;
};

CFullScreenModeFlags& FullScreenModeFlags();

// The game main from its construction to its destruction, else null.
CGameMain* GetGameMain();
void SetGameMain(CGameMain* game);
