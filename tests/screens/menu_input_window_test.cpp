// Keys and clicks through a real game window: messages are posted to the
// window and reach the menu through the application's message pump; clicks
// are made with the real cursor on the point that the message names, since
// buttons hit-test the cursor and the menu the message.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "menu_game.h"
#include "screens/menu_state.h"
#include "support/real_cursor.h"
#include "support/test_application.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// A test body with the game window up and a menu over the fixture.
class CWindowGame : public CMenuGame {
public:
    CWindowGame(MenuScript script, TestApplication& app) : CMenuGame(script), app_(app) {}

    void Post(UINT message, WPARAM wParam, LPARAM lParam) {
        PostMessageA(GetMainWindowHandle(), message, wParam, lParam);
        app_.PumpMessages();
    }
    // A key pressed and let go.
    void Press(WPARAM key) {
        Post(WM_KEYDOWN, key, 1);
        Post(WM_KEYUP, key, 0xC0000001);
    }
    // The left button pressed and let go with the real cursor at (x, y).
    void Click(int x, int y) {
        ASSERT_TRUE(PlaceCursor(GetMainWindowHandle(), x, y));
        Post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        Post(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void Frames(int ms) {
        for (; ms > 0; ms -= 17) {
            host.BeginFrame();
            host.Update(17);
            host.SetTransform(kIdentity);
        }
    }

private:
    TestApplication& app_;
};

void RunInWindow(MenuScript script, const char* story, const std::function<void(CWindowGame&)>& body) {
    TestApplication app;
    app.body = [&](TestApplication& self) {
        self.PumpMessages();
        CWindowGame game(script, self);
        game.Start(story);
        game.Frames(17);
        body(game);
        EXPECT_TRUE(RecordedErrors().empty());
    };
    app.Run();
}

// Where the fixture's menu script puts things.
constexpr POINT kSkipButton = {560, 580};
constexpr POINT kConfigPanel = {400, 350};
constexpr POINT kConfigItem = {400, 135};
constexpr POINT kOutside = {50, 50};

TEST(MenuInputWindowTest, AHeldKeyActsOnce) {
    RunInWindow(MenuScript::Plain, "S/Main.txt", [](CWindowGame& game) {
        GetConfig().SetValidShortSkip(true);
        // Shift hides; held, it repeats without cancelling the hide.
        for (int repeat = 0; repeat < 3; ++repeat) game.Post(WM_KEYDOWN, VK_SHIFT, 1);
        EXPECT_EQ(game.menu->GetState(), kMenuStateHidden);
        game.Post(WM_KEYUP, VK_SHIFT, 0xC0000001);
        // Return ends the hide; held, it does not go on into a short skip.
        for (int repeat = 0; repeat < 3; ++repeat) game.Post(WM_KEYDOWN, VK_RETURN, 1);
        EXPECT_EQ(game.menu->GetState(), kMenuStatePlay);
        EXPECT_DOUBLE_EQ(game.GameSpeed(), 1.5);
        game.Post(WM_KEYUP, VK_RETURN, 0xC0000001);
        game.Press(VK_RETURN);
        EXPECT_DOUBLE_EQ(game.GameSpeed(), 24.0);
        GetConfig().SetValidShortSkip(false);
    });
}

TEST(MenuInputWindowTest, AShortSkipRunsTheStoryFastUntilItsNextKeyWait) {
    enum class Way { Key, Click };
    for (Way way : {Way::Key, Way::Click}) {
        SCOPED_TRACE(way == Way::Key ? "key" : "click");
        RunInWindow(MenuScript::Plain, "S/Waits.txt", [way](CWindowGame& game) {
            auto press = [&] {
                if (way == Way::Key) {
                    game.Press(VK_SPACE);
                } else {
                    game.Click(400, 300);
                }
            };
            GetConfig().SetValidShortSkip(true);
            game.Frames(85);  // 100 ms of story to the first key wait
            ASSERT_TRUE(game.menu->IsKeyWaitActive());
            press();  // the key wait takes it
            EXPECT_DOUBLE_EQ(game.GameSpeed(), 1.5);
            game.Frames(34);  // the wait ends in one frame, the story goes on in the next
            EXPECT_EQ(ReadScriptVariable("@2"), 1);
            EXPECT_FALSE(game.menu->IsKeyWaitActive());
            press();  // between two waits: short skip
            EXPECT_DOUBLE_EQ(game.GameSpeed(), 24.0);
            EXPECT_DOUBLE_EQ(game.menu->GetSpeedFactor(), 16.0);
            game.Frames(17);  // 17 ms at 24 pass the 100 ms wait
            EXPECT_TRUE(game.menu->IsKeyWaitActive());
            EXPECT_DOUBLE_EQ(game.GameSpeed(), 1.5);
            EXPECT_EQ(ReadScriptVariable("@2"), 1);
            GetConfig().SetValidShortSkip(false);

            // Without short skip the key or click goes to the story only.
            game.Press(VK_SPACE);
            game.Frames(17);
            press();
            EXPECT_DOUBLE_EQ(game.GameSpeed(), 1.5);
            EXPECT_EQ(game.menu->GetState(), kMenuStatePlay);
        });
    }
}

// Hiding, the menu, its panels and its questions each end with a key; none
// of those keys goes on to the story's key wait, whichever key it is.
TEST(MenuInputWindowTest, AKeyThatEndsHideOrClosesAPanelOrAQuestionDoesNotReachTheStory) {
    struct Case {
        std::vector<const char*> commands;
        int32_t state;
        std::vector<int32_t> after;  // the states the keys lead through, back to play
    };
    const Case cases[] = {
        {{"Hide"}, kMenuStateHidden, {}},
        {{"Menu"}, kMenuStateOpen, {}},
        {{"Menu", "Menu_SE"}, kMenuStateSEVolume, {}},
        {{"Menu", "Menu_Exit", "ExitGame"}, kMenuStateAskEndGame, {kMenuStateExit}},
        {{"Menu", "Menu_Exit", "Restart"}, kMenuStateAskRestart, {kMenuStateExit}},
        {{"Menu", "Menu_Exit", "GoTitle"}, kMenuStateAskGoTitle, {kMenuStateExit}},
        {{"Menu", "Menu_SaveLoad", "ClipLoad"}, kMenuStateAskClipLoad, {kMenuStateSaveLoad}},
    };
    for (const Case& c : cases) {
        for (WPARAM key : {WPARAM('A'), WPARAM(VK_RETURN)}) {
            SCOPED_TRACE(testing::Message() << "state " << c.state << ", key " << key);
            RunInWindow(MenuScript::Plain, "S/Waits.txt", [&c, key](CWindowGame& game) {
                game.Frames(85);  // 100 ms of story to the first key wait
                ASSERT_TRUE(game.menu->IsKeyWaitActive());
                for (const char* command : c.commands) {
                    game.menu->OnEvent(command);
                    game.Frames(250);
                }
                ASSERT_EQ(game.menu->GetState(), c.state);
                for (int32_t state : c.after) {
                    game.Press(key);
                    game.Frames(250);
                    ASSERT_EQ(game.menu->GetState(), state);
                }
                game.Press(key);
                game.Frames(250);
                EXPECT_EQ(game.menu->GetState(), kMenuStatePlay);
                EXPECT_TRUE(game.menu->IsKeyWaitActive());
                EXPECT_EQ(ReadScriptVariable("@2"), 0);
            });
        }
    }
}

TEST(MenuInputWindowTest, ClicksInsideThePanelsGoToThemAndOutsideCloseTheMenu) {
    RunInWindow(MenuScript::Events, "S/Main.txt", [](CWindowGame& game) {
        game.Click(kSkipButton.x, kSkipButton.y);  // the skip button sends "Skip"
        game.Frames(250);
        EXPECT_EQ(game.menu->GetState(), kMenuStateSkip1);
        game.Click(kSkipButton.x, kSkipButton.y);  // in skip, the button goes on
        EXPECT_EQ(game.menu->GetState(), kMenuStateSkip1 + 1);
        game.Click(kOutside.x, kOutside.y);  // anywhere else ends skipping
        EXPECT_EQ(game.menu->GetState(), kMenuStatePlay);

        game.Post(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(kOutside.x, kOutside.y));
        game.Frames(250);
        EXPECT_EQ(game.menu->GetState(), kMenuStateHidden);
        game.Click(kConfigPanel.x, kConfigPanel.y);  // a click ends hiding
        game.Frames(250);
        EXPECT_EQ(game.menu->GetState(), kMenuStatePlay);

        game.menu->OnEvent("Menu");
        game.Frames(250);
        ASSERT_EQ(game.menu->GetState(), kMenuStateOpen);
        game.Click(kConfigPanel.x, kConfigPanel.y);
        EXPECT_EQ(game.menu->GetState(), kMenuStateOpen);
        game.Click(kConfigItem.x, kConfigItem.y);  // the item sends "Menu_SE"
        EXPECT_EQ(game.menu->GetState(), kMenuStateSEVolume);
        EXPECT_NE(game.menu->GetRootNode()->FindNode("Menu/Sub"), nullptr);
        game.Click(kOutside.x, kOutside.y);
        EXPECT_EQ(game.menu->GetState(), kMenuStatePlay);
        EXPECT_EQ(game.menu->GetRootNode()->FindNode("Menu/Sub"), nullptr);
        EXPECT_EQ(game.menu->GetRootNode()->FindNode("Menu/Config"), nullptr);

        // Control clicks the skip button; Shift and the right button hide.
        game.Press(VK_CONTROL);
        game.Frames(250);
        EXPECT_EQ(game.menu->GetState(), kMenuStateSkip1);
        game.Press(VK_SHIFT);  // "Cancel" in skip
        EXPECT_EQ(game.menu->GetState(), kMenuStatePlay);
        game.menu->OnEvent("OnSelectBegin");
        game.Post(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(kOutside.x, kOutside.y));
        game.Frames(250);
        EXPECT_EQ(game.menu->GetState(), kMenuStateHidden);
        game.Post(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(kOutside.x, kOutside.y));
        game.Frames(250);
        EXPECT_EQ(game.menu->GetState(), kMenuStateSelection);
    });
}

TEST(MenuInputWindowTest, GameSpeedChangesReachTheStoryOnlyInPlay) {
    RunInWindow(MenuScript::Plain, "S/Main.txt", [](CWindowGame& game) {
        auto change = [&](float speed) {
            GetConfig().SetGameSpeed(speed);
            game.Post(kSettingChangedMessage, kSettingGameSpeed, 0);
        };
        change(2.0f);
        EXPECT_DOUBLE_EQ(game.GameSpeed(), 2.0);
        game.menu->OnEvent("Skip");
        game.menu->OnEvent("Skip");
        change(0.5f);
        EXPECT_DOUBLE_EQ(game.GameSpeed(), 1.0);  // skip level 2
        game.menu->OnEvent("OnSelectBegin");
        change(3.0f);
        EXPECT_DOUBLE_EQ(game.GameSpeed(), 1.0);  // fixed during a selection
        game.menu->OnEvent("OnSelectEnd");
        EXPECT_DOUBLE_EQ(game.GameSpeed(), 3.0);
        game.menu->OnEvent("Menu");
        change(2.0f);
        EXPECT_DOUBLE_EQ(game.GameSpeed(), 0.0);  // stopped under the menu
    });
}

TEST(MenuInputWindowTest, ReturnInAQuestionWithoutAnEndPageGoesBackToThePanelOnly) {
    RunInWindow(MenuScript::Plain, "S/Main.txt", [](CWindowGame& game) {
        for (const char* command : {"Menu", "Menu_Exit", "ExitGame"}) game.menu->OnEvent(command);
        ASSERT_EQ(game.menu->GetState(), kMenuStateAskEndGame);
        game.Press(VK_RETURN);
        EXPECT_EQ(game.menu->GetState(), kMenuStateExit);
        EXPECT_TRUE(game.menu->GetRootNode()->HasNodeAt("Menu/Sub/N/Exit"));
        game.Press(VK_ESCAPE);  // passed on: the panel stays
        EXPECT_EQ(game.menu->GetState(), kMenuStateExit);

        // "Yes" ends the game through the window's own close.
        game.menu->OnEvent("ExitGame");
        game.menu->OnEvent("Yes");
        EXPECT_EQ(game.menu->GetState(), kMenuStateEndGame);
        MSG message;
        EXPECT_TRUE(PeekMessageA(&message, GetMainWindowHandle(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
        EXPECT_DOUBLE_EQ(game.GameSpeed(), 0.0);
    });
}

}  // namespace
