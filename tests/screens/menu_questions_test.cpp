// The exit panel's choices, the quick load's question and the answers to
// the four questions, called directly: the states they lead to, the menu
// script's event pages they run, the panel kept during a question, and what
// "Yes" to a restart or to the quick load does to the play data and the
// story.
#include <gtest/gtest.h>

#include <string>

#include "../script/scene_fixtures.h"
#include "menu_panel_fixture.h"
#include "scene/script_page_node.h"
#include "screens/menu_state.h"
#include "screens/quick_save.h"

namespace {

class MenuQuestionsTest : public MenuPanelTest {
protected:
    int32_t Runs(const std::string& event) { return ReadScriptVariable(EventCounter(event).c_str()); }
    // Runs frames until no change waits for its event page.
    void Settle() {
        for (int frame = 0; frame < 5 && menu_->IsChangePending(); ++frame) host_.Update(17);
        EXPECT_FALSE(menu_->IsChangePending());
    }
    // Opens the menu on the exit panel.
    void OpenExitPanel() {
        Open();
        menu_->BuildExitScreen();
        menu_->ForceState(kMenuStateExit, "");
        ASSERT_EQ(menu_->GetState(), kMenuStateExit);
    }
};

TEST_F(MenuQuestionsTest, ExitChoicesAskAndNoReturnsToThePanel) {
    struct Row {
        const char* choice;
        void (CInGameMenu::*answer)(std::string);
        int32_t question;
        const char* begin;
        int32_t yesState;
        const char* yesEvent;
        const char* noEvent;
    };
    const Row rows[] = {
        {"GoTitle", &CInGameMenu::OnGoTitleConfirm, kMenuStateAskGoTitle, "Begin_GoTitle", kMenuStateGoTitle,
         "GoTitle", "End_GoTitle"},
        {"ExitGame", &CInGameMenu::OnEndGameConfirm, kMenuStateAskEndGame, "Begin_EndGame", kMenuStateEndGame,
         "EndGame", "End_EndGame"},
        {"Restart", &CInGameMenu::OnRestartConfirm, kMenuStateAskRestart, "Begin_Restart", kMenuStateRestart,
         "Restart", "End_Restart"},
    };
    PackMenu(MenuScript(true));
    OpenExitPanel();
    CNode* panel = menu_->GetRootNode()->FindNode("Menu/Sub");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.choice);
        menu_->OnExitChoice(row.choice);
        EXPECT_EQ(Runs(row.begin), 1);
        EXPECT_EQ(menu_->GetState(), kMenuStateChanging);
        Settle();
        EXPECT_EQ(menu_->GetState(), row.question);

        // Anything but "Yes" and "No" leaves the question.
        for (const char* other : {"Menu_SE", "yes", "Cancel", "GoTitle"}) (menu_->*row.answer)(other);
        EXPECT_EQ(menu_->GetState(), row.question);
        EXPECT_EQ(Runs(row.yesEvent), 0);

        (menu_->*row.answer)("No");
        (menu_->*row.answer)("No");  // dropped while the first answer's page runs
        Settle();
        EXPECT_EQ(menu_->GetState(), kMenuStateExit);
        EXPECT_EQ(Runs(row.noEvent), 1);
        EXPECT_EQ(menu_->GetRootNode()->FindNode("Menu/Sub"), panel);
    }
    // Unknown choices ask nothing.
    for (const char* other : {"Title", "Exit", "Yes", "restart"}) menu_->OnExitChoice(other);
    EXPECT_EQ(menu_->GetState(), kMenuStateExit);
}

TEST_F(MenuQuestionsTest, TheTitleItemAsksForARestart) {
    OpenExitPanel();
    auto* title = menu_->GetRootNode()->FindNode("Menu/Sub/N/Title");
    ASSERT_NE(title, nullptr);
    // The item's own message, handed to the exit panel's choice.
    menu_->OnExitChoice("Restart");
    EXPECT_EQ(menu_->GetState(), kMenuStateAskRestart);  // no event page waits: entered at once
    EXPECT_EQ(Runs("Begin_Restart"), 1);
    EXPECT_EQ(Runs("Begin_GoTitle"), 0);
}

TEST_F(MenuQuestionsTest, YesToEndingTheGameEntersItsState) {
    OpenExitPanel();
    menu_->OnExitChoice("ExitGame");
    EXPECT_EQ(menu_->GetState(), kMenuStateAskEndGame);
    menu_->OnEndGameConfirm("Yes");
    EXPECT_EQ(menu_->GetState(), kMenuStateEndGame);
    EXPECT_EQ(Runs("EndGame"), 1);
    EXPECT_EQ(menu_->FindGameNode()->GetTimeScale(), 0.0);
}

TEST_F(MenuQuestionsTest, YesToARestartStartsTheStoryWithTheSavedCopy) {
    PackMenu(MenuScript(true));
    OpenExitPanel();
    EXPECT_EQ(ReadScriptVariable(kStoryStarts), 1);
    GetSavedPlayData().vars.values[5] = 40;
    GetSavedPlayData().vars.caption = "Ch1";
    GetPlayData().vars.values[5] = 7;
    menu_->OnExitChoice("Restart");
    Settle();
    menu_->OnRestartConfirm("Yes");
    Settle();
    host_.Update(17);
    EXPECT_EQ(menu_->GetState(), kMenuStatePlay);
    EXPECT_EQ(ReadScriptVariable(kStoryStarts), 41);  // the saved copy's 40, then the new start
    EXPECT_EQ(GetPlayData().vars.caption, "Ch1");
    EXPECT_FALSE(menu_->GetRootNode()->HasNodeAt("Menu/Sub"));
}

TEST_F(MenuQuestionsTest, TheQuickLoadQuestionShowsTheSlotAndYesLoadsIt) {
    PackMenu(MenuScript(true));
    PackSaveDef("Ch2,'System/thumb.png','two'\r\n");
    CPlayData slot;
    slot.vars.caption = "Ch2";
    slot.vars.values[5] = 100;
    slot.vars.strings[3] = "kept";
    ASSERT_TRUE(slot.Save(QuickSaveFileName));
    Open();
    menu_->BuildSaveLoadScreen();
    menu_->ForceState(kMenuStateSaveLoad, "");

    for (const char* other : {"Clip", "clipload", "Menu_SE"}) menu_->OnSaveLoadChoice(other);
    EXPECT_EQ(menu_->GetState(), kMenuStateSaveLoad);

    menu_->OnSaveLoadChoice("ClipLoad");
    EXPECT_EQ(Runs("Begin_ClipLoad"), 1);
    EXPECT_TRUE(menu_->GetRootNode()->HasNodeAt("Menu/Caution/Thumb"));
    EXPECT_TRUE(menu_->GetRootNode()->HasNodeAt("Menu/Caution/Comment"));
    EXPECT_TRUE(menu_->GetRootNode()->HasNodeAt("Menu/Caution/Date"));
    Settle();
    EXPECT_EQ(menu_->GetState(), kMenuStateAskClipLoad);

    menu_->OnClipLoadConfirm("No");
    Settle();
    EXPECT_EQ(menu_->GetState(), kMenuStateSaveLoad);
    EXPECT_EQ(Runs("End_ClipLoad"), 1);
    EXPECT_TRUE(menu_->GetRootNode()->HasNodeAt("Menu/Sub/N/Back"));

    menu_->GetRootNode()->RemoveAt("Menu/Caution/*");
    menu_->OnSaveLoadChoice("ClipLoad");
    Settle();
    menu_->OnClipLoadConfirm("Yes");
    EXPECT_EQ(Runs("ClipLoad"), 1);  // before the slot's variables replace the counters
    Settle();
    host_.Update(17);
    EXPECT_EQ(menu_->GetState(), kMenuStatePlay);
    EXPECT_EQ(ReadScriptVariable(kStoryStarts), 101);
    EXPECT_EQ(GetPlayData().vars.strings[3], "kept");
    EXPECT_EQ(GetSavedPlayData().vars.values[5], 100);
    EXPECT_EQ(GetSavedPlayData().vars.caption, "Ch2");
}

}  // namespace
