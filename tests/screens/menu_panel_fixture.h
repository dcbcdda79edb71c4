// A root scene over archives that the tests write themselves: a story that
// waits, a menu script with the sub-screens' frame class and the event
// pages the questions run, every picture the panels name, and
// "System/Save.def". The settings, the sound flag, the display-mode flags
// and the published game main are put back after each test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/published_game.h"
#include "media/sound_available.h"
#include "platform/config.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "screens/in_game_menu.h"
#include "script/scene_host.h"
#include "support/error_recorder.h"
#include "support/temp_folder.h"

class MenuPanelTest : public testing::Test {
protected:
    MenuPanelTest();
    ~MenuPanelTest() override;

    // Packs folder.dat with the files (name, bytes).
    void Pack(const std::string& folder, const std::vector<std::pair<std::string, Bytes>>& files);
    // mn.dat: the menu script given and every panel picture.
    void PackMenu(const std::string& script);
    // System.dat: the description file and a thumbnail "thumb.png".
    void PackSaveDef(const std::string& text);
    // The root scene over "S/Main.txt", opened by the host.
    CInGameMenu* Open();

    // The items under "Menu/Sub/N" held down (pressed), by name.
    std::vector<std::string> HeldItems();
    // Whether the item under "Menu/Sub/N" is enabled.
    bool IsItemEnabled(const std::string& item);

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
    CConfig config_;
    bool soundAvailable_;
    SaveVariables playData_;
    SaveVariables savedPlayData_;
    CSceneHost host_;
    CInGameMenu* menu_ = nullptr;
};

// The story counts its starts in this variable.
constexpr const char* kStoryStarts = "@5";
// The menu script's event pages count their runs from this variable on.
constexpr int kFirstEventCounter = 20;

// The events of the questions, each a page of the menu script.
const std::vector<std::string>& MenuEvents();
// The variable that counts the runs of the event's page.
std::string EventCounter(const std::string& event);
// A menu script with the frame class, a "Main" that makes "Caution" and
// ends (an event page runs on the finished executor, so that its end is
// the executor's), and a page for every question event that counts its runs and,
// when eventPagesWait, then waits 1 ms.
std::string MenuScript(bool eventPagesWait);
