// The demo's root scene, counting the story's key waits as its event entry
// hears them.
#pragma once

#include <string>

#include "screens/in_game_menu.h"

class CCountingMenu : public CInGameMenu {
public:
    CCountingMenu() : CInGameMenu("S/Main.txt") {}
    void OnEvent(std::string name) override {
        if (name == "OnKeyWaitBegin") ++begun;
        if (name == "OnKeyWaitEnd") ++ended;
    }
    bool Waiting() const { return begun > ended; }
    int begun = 0;
    int ended = 0;
};
