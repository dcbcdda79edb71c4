// What entering the menu's states does beyond the state table: save points
// and the clip rule, the quick save, skipping past key waits with and
// without a rest, the menu bar and the layers by state, the wait icon, the
// restart and the quick load.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "menu_game.h"
#include "return_log.h"
#include "screens/menu_state.h"

namespace {

constexpr int kSettle = 800;  // past a 200 ms event page and a 500 ms fade

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(MenuSavePointTest, SavePointsCopyTheLiveDataAndTheQuickSaveWritesTheCopy) {
    CMenuGame game(MenuScript::Events);
    game.Start("S/Key.txt");
    EXPECT_FALSE(game.IsEnabled("Menu/Menu/Clip"));
    SetVariable("@7", 42);
    game.menu->OnEvent("SavePoint:Chapter1");
    EXPECT_EQ(GetPlayData().vars.caption, "Chapter1");
    EXPECT_EQ(GetSavedPlayData().vars.caption, "Chapter1");
    EXPECT_EQ(GetSavedPlayData().vars.values[7], 42);
    EXPECT_TRUE(game.IsEnabled("Menu/Menu/Clip"));
    SetVariable("@7", 43);  // the copy stays as it was taken
    EXPECT_EQ(GetSavedPlayData().vars.values[7], 42);

    // The quick save writes the saved copy, not the live data.
    const std::string quick = game.UserFile("Play0001.dat");
    EXPECT_FALSE(FileExists(quick));
    game.menu->OnEvent("Clip");
    ASSERT_TRUE(FileExists(quick));
    CPlayData written;
    ASSERT_TRUE(written.Load("UserData/Play0001.dat"));
    EXPECT_EQ(written.vars.caption, "Chapter1");
    EXPECT_EQ(written.vars.values[7], 42);
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(MenuSavePointTest, OutsidePlayAndSelectionTheClipButtonWaitsAndClipSavesNothing) {
    CMenuGame game(MenuScript::Events);
    game.Start("S/Key.txt");
    game.menu->OnEvent("Hide");
    game.Run(250);
    ASSERT_EQ(game.menu->GetState(), kMenuStateHidden);
    game.menu->OnEvent("SavePoint:Hidden");
    EXPECT_EQ(GetSavedPlayData().vars.caption, "Hidden");
    EXPECT_FALSE(game.IsEnabled("Menu/Menu/Clip"));
    game.menu->OnEvent("Clip");
    EXPECT_FALSE(FileExists(game.UserFile("Play0001.dat")));
    game.menu->OnEvent("Cancel");
    game.Run(250);
    EXPECT_EQ(game.menu->GetState(), kMenuStatePlay);
    EXPECT_TRUE(game.IsEnabled("Menu/Menu/Clip"));

    // In a selection the rule applies again; clip saves there too.
    game.menu->OnEvent("OnSelectBegin");
    game.menu->OnEvent("SavePoint:");
    EXPECT_FALSE(game.IsEnabled("Menu/Menu/Clip"));
    game.menu->OnEvent("SavePoint:Choice");
    EXPECT_TRUE(game.IsEnabled("Menu/Menu/Clip"));
    game.menu->OnEvent("Clip");
    EXPECT_TRUE(FileExists(game.UserFile("Play0001.dat")));
}

TEST(MenuSkipTest, SkippingPassesKeyWaitsAndRestsOnEachWithSkipWait) {
    struct Case {
        int32_t skipWait;
        bool rests;
    };
    for (const Case& c : {Case{0, false}, Case{300, true}}) {
        SCOPED_TRACE(c.skipWait);
        CMenuGame game(MenuScript::Plain);
        GetConfig().SetSkipWait(c.skipWait);
        game.Start("S/Waits.txt");
        game.Run(100);  // 100 ms of story at 1.5 reach the first key wait
        ASSERT_TRUE(game.menu->IsKeyWaitActive());
        CScriptPageNode* story = game.menu->FindGameNode();

        game.menu->OnEvent("Skip");
        EXPECT_EQ(game.menu->GetState(), kMenuStateSkip1);
        EXPECT_FALSE(game.menu->IsKeyWaitActive());
        game.Run(85);  // the next wait comes 100 ms of story later
        EXPECT_EQ(story->GetPendingStatement(), nullptr);
        EXPECT_EQ(story->QueryMenuCommand(), c.rests);
        game.Run(250);
        // Resting, the story stays at the wait it passed; without a rest it
        // passes one wait every 100 ms of story.
        if (c.rests) {
            EXPECT_EQ(ReadScriptVariable("@2"), 1);
        } else {
            EXPECT_GE(ReadScriptVariable("@2"), 4);
        }

        // Back to play in the middle of a rest: the line waits for a key
        // again; without a rest the story goes on to its next wait.
        const int32_t passed = ReadScriptVariable("@2");
        game.menu->OnEvent("Cancel");
        EXPECT_EQ(game.menu->GetState(), kMenuStatePlay);
        EXPECT_FALSE(story->QueryMenuCommand());
        EXPECT_EQ(game.menu->IsKeyWaitActive(), c.rests);
        game.Run(1000);
        EXPECT_TRUE(game.menu->IsKeyWaitActive());
        EXPECT_EQ(ReadScriptVariable("@2"), passed);
        EXPECT_TRUE(RecordedErrors().empty());
    }
}

TEST(MenuLayersTest, TheStoryTakesControlAwayFromInsideItsOwnRun) {
    CMenuGame game(MenuScript::Events);
    game.Start("S/Disable.txt");
    EXPECT_EQ(game.menu->GetState(), kMenuStateControlDisabled);
    game.Run(100);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    EXPECT_DOUBLE_EQ(game.GameSpeed(), 1.0);
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(MenuLayersTest, TheMenuBarTheLayersAndTheWaitIconFollowTheState) {
    CMenuGame game(MenuScript::Events);
    game.Start("S/Key.txt");
    auto bar = [&] {
        std::string shown;
        for (const char* button : {"Skip", "Clip", "System"}) {
            shown += game.IsEnabled((std::string("Menu/Menu/") + button).c_str()) ? "1" : "0";
        }
        return shown;
    };
    auto content = [&](const char* page) {
        return static_cast<CScriptPageNode*>(game.menu->GetRootNode()->FindNode(page))->GetContentOpacity();
    };
    game.Run(kSettle);
    EXPECT_EQ(game.Opacity("Menu/WaitIcon"), 1.0);  // the story's key wait
    EXPECT_EQ(bar(), "101");

    game.menu->OnEvent("OnSelectBegin");
    EXPECT_EQ(bar(), "001");
    game.menu->OnEvent("Hide");
    game.Run(kSettle);
    EXPECT_EQ(bar(), "000");
    EXPECT_EQ(content("Menu"), 0.0);
    EXPECT_EQ(content("Game"), 0.0);
    game.menu->OnEvent("Cancel");
    game.Run(kSettle);
    EXPECT_EQ(game.menu->GetState(), kMenuStateSelection);
    EXPECT_EQ(content("Menu"), 1.0);
    EXPECT_EQ(content("Game"), 1.0);
    game.menu->OnEvent("OnSelectEnd");
    EXPECT_EQ(bar(), "101");

    // Control taken away: the bar goes, the menu layer fades out and the
    // held key wait ends; given back, everything returns.
    game.menu->OnEvent("DisableControl");
    game.Run(kSettle);
    EXPECT_EQ(bar(), "000");
    EXPECT_EQ(content("Menu"), 0.0);
    EXPECT_EQ(content("Game"), 1.0);
    EXPECT_EQ(game.Opacity("Menu/WaitIcon"), 0.0);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    game.menu->OnEvent("EnableControl");
    game.Run(kSettle);
    EXPECT_EQ(bar(), "101");
    EXPECT_EQ(content("Menu"), 1.0);
}

TEST(MenuRestartTest, RestartAndQuickLoadStartTheStoryAgainWithTheirData) {
    enum class Way { Restart, QuickLoad, MissingQuickLoad };
    struct Case {
        Way way;
        int32_t state;     // entered
        int32_t starts;    // @3 after the next frame
        const char* caption;
    };
    const Case cases[] = {
        {Way::Restart, kMenuStateRestart, 11, "Saved"},
        {Way::QuickLoad, kMenuStateClipLoad, 21, "Quick"},
        {Way::MissingQuickLoad, kMenuStateSaveLoad, 1, "Live"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        CMenuGame game(MenuScript::Plain);
        SetVariable("@3", 0);
        game.Start("S/Count.txt");
        ASSERT_EQ(ReadScriptVariable("@3"), 1);
        GetPlayData().vars.caption = "Live";
        GetSavedPlayData().vars.caption = "Saved";
        GetSavedPlayData().vars.values[3] = 10;
        if (c.way == Way::QuickLoad) {
            CPlayData quick;
            quick.vars.caption = "Quick";
            quick.vars.values[3] = 20;
            ASSERT_TRUE(quick.Save("UserData/Play0001.dat"));
        }
        game.menu->ForceState(c.way == Way::Restart ? kMenuStateRestart : kMenuStateClipLoad, "");
        EXPECT_EQ(game.menu->GetState(), c.state);
        EXPECT_EQ(game.menu->IsRestartPending(), c.way != Way::MissingQuickLoad);
        EXPECT_EQ(GetPlayData().vars.caption, c.caption);
        game.Run(17);
        EXPECT_EQ(ReadScriptVariable("@3"), c.starts);
        EXPECT_EQ(game.menu->GetState(), c.way == Way::MissingQuickLoad ? kMenuStateSaveLoad : kMenuStatePlay);
        if (c.way != Way::MissingQuickLoad) {
            EXPECT_EQ(GetSavedPlayData().vars.caption, c.caption);
            EXPECT_EQ(GetSavedPlayData().vars.values[3], c.starts - 1);
        }
        EXPECT_TRUE(RecordedErrors().empty());
    }
}

TEST(MenuRestartTest, GoingBackToTheTitleReturnsToTheSceneBelow) {
    CMenuGame game(MenuScript::Plain);
    std::vector<std::string> labels;
    game.host.AttachScene(std::make_unique<CReturnLog>(labels));
    game.host.CallScene(std::make_unique<CRecordingMenu>("S/Key.txt", game.heard));
    auto* menu = static_cast<CInGameMenu*>(game.host.GetCurrentScene());
    menu->ForceState(kMenuStateGoTitle, "");
    EXPECT_EQ(labels, std::vector<std::string>{"BackToTitle"});
    EXPECT_EQ(game.host.GetCurrentScene()->GetSceneKind(), 1);
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
