// The game application: the game window and a real game main.
#include "app/game_application.h"

#include <gtest/gtest.h>

#include <string>

#include "app/menu_ids.h"
#include "game_fixture.h"
#include "platform/global_state.h"
#include "platform/thread.h"

namespace {

// Watches the game window from another thread and chooses the menu's exit.
class ExitChooser : public CThread {
public:
    std::string title, className;
    RECT client = {};

protected:
    void Run() override {
        HWND window = nullptr;
        for (int i = 0; i < 500 && KeepGoing() && !window; ++i) {
            window = FindWindowA("MIRLHOLLOW", nullptr);
            if (!window) Sleep(10);
        }
        if (!window) return;
        char text[256];
        GetWindowTextA(window, text, sizeof text);
        title = text;
        GetClassNameA(window, text, sizeof text);
        className = text;
        GetClientRect(window, &client);
        PostMessageA(window, WM_COMMAND, kMenuExit, 0);
    }
};

TEST(GameApplication, OpensTheGameWindowAndEndsOnTheExitCommand) {
    CGameStateScope state;
    CFixtureGame fixture;
    CBoxRecorder boxes;
    GetConfig().SetDefaults();
    GetConfig().SetDiagnosis(false);
    SetConfigNotifyWindowProvider(GetMainWindowHandle);
    ExitChooser chooser;
    chooser.Start();
    {
        CGameApplication game;
        EXPECT_EQ(game.Run(), CApplication::kRunFinished);
    }
    chooser.Stop();
    SetConfigNotifyWindowProvider(nullptr);
    // The exit question, answered Yes.
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].style, 0x40134u);
    EXPECT_EQ(chooser.title, "Lanternmoss-Sidelight- Wrenfield Winter - Harrowmere Inc.");
    EXPECT_EQ(chooser.className, "MIRLHOLLOW");
    EXPECT_EQ(chooser.client.right, 800);
    EXPECT_EQ(chooser.client.bottom, 600);
}

}  // namespace
