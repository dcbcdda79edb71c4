// The demo's menu script and data with the menu's panels and questions,
// called directly on its root scene: the configuration panel's entries, a
// picture for every panel, each question shown and taken away again by the
// script's event pages, and the quick load of a save point's slot: the
// caution shows the slot from "System/Save.def", and "Yes" resumes the story
// at that save point's chapter.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "demo_game.h"
#include "menu_globals_scope.h"
#include "media/sound_available.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "scene/composite/standard_button_node.h"
#include "scene/script_page_node.h"
#include "screens/in_game_menu.h"
#include "screens/menu_state.h"
#include "screens/quick_save.h"
#include "script/scene_host.h"
#include "script/script_variables.h"
#include "support/error_recorder.h"

namespace {

constexpr int kFrame = 17;

class DemoMenuTest : public testing::Test {
protected:
    void Open() {
        auto owned = std::make_unique<CInGameMenu>("S/Main.txt");
        menu_ = owned.get();
        host_.AttachScene(std::move(owned));
    }
    // Frames until no change waits for its event page.
    void Settle() {
        for (int frame = 0; frame < 60 && menu_->IsChangePending(); ++frame) host_.Update(kFrame);
        ASSERT_FALSE(menu_->IsChangePending());
    }
    bool Has(const std::string& path) { return menu_->GetRootNode()->HasNodeAt(path); }
    // A press of the standard button at the path, as a click on it makes.
    void Press(const std::string& path) {
        ASSERT_TRUE(Has(path)) << path;
        menu_->GetRootNode()->Request(path, "ButtonDown");
    }

    CDemoFolder game_;
    CMenuGlobalsScope globals_;
    CSceneHost host_;
    CInGameMenu* menu_ = nullptr;
};

TEST_F(DemoMenuTest, TheMenuOpensWithAnEntryForEachPanel) {
    Open();
    menu_->RequestState(kMenuStateOpen, "ToMenu");
    Settle();
    EXPECT_EQ(menu_->GetState(), kMenuStateOpen);
    const struct {
        const char* item;
        const char* message;
    } entries[] = {
        {"ItemSE", "Menu_SE"},           {"ItemBGM", "Menu_BGM"},   {"ItemQuality", "Menu_Quality"},
        {"ItemScreen", "Menu_Screen"},   {"ItemSaveLoad", "Menu_SaveLoad"}, {"ItemExit", "Menu_Exit"},
        {"ItemClose", "EndMenu"},
    };
    for (const auto& entry : entries) {
        SCOPED_TRACE(entry.item);
        auto* button = dynamic_cast<CStandardButtonNode*>(
            menu_->GetRootNode()->FindNode(std::string("Menu/Config/") + entry.item));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->GetCommand(), entry.message);
    }
    menu_->RequestState(kMenuStatePlay, "EndMenu");
    Settle();
    EXPECT_EQ(menu_->GetState(), kMenuStatePlay);
    EXPECT_FALSE(Has("Menu/Config"));
}

TEST_F(DemoMenuTest, EveryPanelFindsItsPictures) {
    Open();
    SetSoundAvailable(true);
    for (void (CInGameMenu::*build)() :
         {&CInGameMenu::BuildSEVolumeScreen, &CInGameMenu::BuildBGMVolumeScreen,
          &CInGameMenu::BuildGraphicEffectScreen, &CInGameMenu::BuildScreenModeScreen,
          &CInGameMenu::BuildSaveLoadScreen, &CInGameMenu::BuildExitScreen}) {
        (menu_->*build)();
        host_.Update(kFrame);
    }
    SetSoundAvailable(false);
    menu_->BuildSEVolumeScreen();
    menu_->BuildBGMVolumeScreen();
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(DemoMenuTest, EachQuestionIsShownAndTakenAway) {
    Open();
    menu_->BuildExitScreen();
    menu_->ForceState(kMenuStateExit, "");
    for (const char* choice : {"GoTitle", "ExitGame", "Restart"}) {
        SCOPED_TRACE(choice);
        menu_->OnExitChoice(choice);
        Settle();
        EXPECT_TRUE(Has("Menu/Question/Yes"));
        EXPECT_TRUE(Has("Menu/Question/No"));
        const int32_t question = menu_->GetState();
        EXPECT_NE(question, kMenuStateExit);
        (menu_->*(question == kMenuStateAskGoTitle   ? &CInGameMenu::OnGoTitleConfirm
                  : question == kMenuStateAskEndGame ? &CInGameMenu::OnEndGameConfirm
                                                     : &CInGameMenu::OnRestartConfirm))("No");
        Settle();
        EXPECT_EQ(menu_->GetState(), kMenuStateExit);
        EXPECT_FALSE(Has("Menu/Question"));
        EXPECT_TRUE(Has("Menu/Sub/N/Exit"));
    }
}

TEST_F(DemoMenuTest, TheQuickLoadByItsButtonsResumesTheSlotsChapter) {
    // The slot as the save point of the choice chapter leaves it.
    CPlayData slot;
    slot.vars.caption = "Choice";
    slot.vars.values[100] = 4;
    slot.vars.values[116] = 1;
    ASSERT_TRUE(slot.Save(QuickSaveFileName));
    Open();
    EXPECT_EQ(*GetScriptVariableAddress("$10"), 1);  // the first chapter began
    menu_->ReceiveCommand("Menu");
    Settle();
    Press("Menu/Config/ItemSaveLoad");
    Settle();
    EXPECT_EQ(menu_->GetState(), kMenuStateSaveLoad);
    ASSERT_TRUE(Has("Menu/Sub/N/Clip"));

    Press("Menu/Sub/N/Clip");
    EXPECT_TRUE(Has("Menu/Caution/Thumb"));
    EXPECT_TRUE(Has("Menu/Caution/Comment"));
    EXPECT_TRUE(Has("Menu/Caution/Date"));
    Settle();
    EXPECT_EQ(menu_->GetState(), kMenuStateAskClipLoad);
    Press("Menu/Caution/No");
    Settle();
    EXPECT_EQ(menu_->GetState(), kMenuStateSaveLoad);
    EXPECT_FALSE(Has("Menu/Caution"));

    // Asked again, and "Yes" from the button the answer's page takes away.
    Press("Menu/Sub/N/Clip");
    Settle();
    Press("Menu/Caution/Yes");
    Settle();
    host_.Update(kFrame);
    EXPECT_EQ(menu_->GetState(), kMenuStateSelection);  // the choice chapter's select began
    EXPECT_EQ(GetPlayData().vars.values[100], 4);
    EXPECT_EQ(GetSavedPlayData().vars.caption, "Choice");
    EXPECT_TRUE(Has("Game/Lake"));  // the choice chapter's stage
    EXPECT_EQ(*GetScriptVariableAddress("$10"), 1);  // the first chapter was passed by
    EXPECT_FALSE(Has("Menu/Caution"));
}

TEST_F(DemoMenuTest, ARestartFromItsYesButtonStartsOverWithTheSavedCopy) {
    Open();
    GetSavedPlayData().vars.values[100] = 3;
    GetSavedPlayData().vars.caption = "Sound";
    menu_->ReceiveCommand("Menu");
    Settle();
    Press("Menu/Config/ItemExit");
    Settle();
    EXPECT_EQ(menu_->GetState(), kMenuStateExit);
    Press("Menu/Sub/N/Title");
    Settle();
    EXPECT_EQ(menu_->GetState(), kMenuStateAskRestart);
    Press("Menu/Question/Yes");
    Settle();
    GetSavedPlayData().vars.values[101] = 9;  // the live data is taken at the restart's entry
    host_.Update(kFrame);
    EXPECT_EQ(menu_->GetState(), kMenuStatePlay);
    EXPECT_EQ(GetPlayData().vars.values[100], 3);  // resumed at the sound chapter
    EXPECT_EQ(GetPlayData().vars.values[101], 0);
    EXPECT_EQ(*GetScriptVariableAddress("$10"), 1);
    EXPECT_FALSE(Has("Menu/Question"));
    EXPECT_FALSE(Has("Menu/Sub"));
}

}  // namespace
