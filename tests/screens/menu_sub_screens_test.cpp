// The menu's sub-screens called directly: each panel's tree against its
// table, and the settings each choice writes and the item each refresh holds
// down, with and without a sound device, with the display's full-screen
// modes and the game main present or not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menu_panel_fixture.h"
#include "scene/class_node.h"
#include "scene/composite/standard_button_node.h"
#include "scene/image_node.h"
#include "scene/node_kind.h"

namespace {

struct ItemRow {
    const char* name;
    int x;
    int y;
    const char* normal;
    const char* highlight;
    const char* down;
    const char* invalid;
    const char* sound;
    const char* message;
};

struct PanelRow {
    const char* label;
    void (CInGameMenu::*build)();
    bool soundAvailable;
    int frameX;
    const char* background;
    std::vector<ItemRow> items;
};

const std::vector<ItemRow> kSEItems = {
    {"SE_Off", 15, 266, "mn/se_00_a.png", "mn/se_00_c.png", "mn/se_00_b.png", "", "mn/CA.wav", "SE_Off"},
    {"SE_1", 59, 259, "mn/se_01_a.png", "mn/se_01_c.png", "mn/se_01_b.png", "", "mn/Poi.wav", "SE_1"},
    {"SE_2", 99, 238, "mn/se_02_a.png", "mn/se_02_c.png", "mn/se_02_b.png", "", "mn/Poi.wav", "SE_2"},
    {"SE_3", 130, 210, "mn/se_03_a.png", "mn/se_03_c.png", "mn/se_03_b.png", "", "mn/Poi.wav", "SE_3"},
    {"SE_4", 151, 172, "mn/se_04_a.png", "mn/se_04_c.png", "mn/se_04_b.png", "", "mn/Poi.wav", "SE_4"},
    {"SE_5", 158, 130, "mn/se_05_a.png", "mn/se_05_c.png", "mn/se_05_b.png", "", "mn/Poi.wav", "SE_5"},
};

const std::vector<ItemRow> kBGMItems = {
    {"BGM_Off", 15, 266, "mn/bgm_00_a.png", "mn/bgm_00_c.png", "mn/bgm_00_b.png", "", "mn/CA.wav", "BGM_Off"},
    {"BGM_1", 59, 259, "mn/bgm_01_a.png", "mn/bgm_01_c.png", "mn/bgm_01_b.png", "", "mn/Poi.wav", "BGM_1"},
    {"BGM_2", 99, 238, "mn/bgm_02_a.png", "mn/bgm_02_c.png", "mn/bgm_02_b.png", "", "mn/Poi.wav", "BGM_2"},
    {"BGM_3", 130, 210, "mn/bgm_03_a.png", "mn/bgm_03_c.png", "mn/bgm_03_b.png", "", "mn/Poi.wav", "BGM_3"},
    {"BGM_4", 151, 172, "mn/bgm_04_a.png", "mn/bgm_04_c.png", "mn/bgm_04_b.png", "", "mn/Poi.wav", "BGM_4"},
    {"BGM_5", 158, 130, "mn/bgm_05_a.png", "mn/bgm_05_c.png", "mn/bgm_05_b.png", "", "mn/Poi.wav", "BGM_5"},
};

const std::vector<PanelRow> kPanels = {
    {"sound effects", &CInGameMenu::BuildSEVolumeScreen, true, 275, "mn/se_back.png", kSEItems},
    {"sound effects without sound", &CInGameMenu::BuildSEVolumeScreen, false, 275, "mn/se_cannotuse.png", {}},
    {"music", &CInGameMenu::BuildBGMVolumeScreen, true, 375, "mn/bgm_back.png", kBGMItems},
    {"music without sound", &CInGameMenu::BuildBGMVolumeScreen, false, 375, "mn/bgm_cannotuse.png", {}},
    {"graphic effects", &CInGameMenu::BuildGraphicEffectScreen, false, 475, "mn/graphic_back.png",
     {{"On", 109, 174, "mn/graphic_on_a.png", "mn/graphic_on_c.png", "mn/graphic_on_b.png", "", "mn/CA.wav",
       "SetGE_On"},
      {"Off", 109, 260, "mn/graphic_off_a.png", "mn/graphic_off_c.png", "mn/graphic_off_b.png", "", "mn/CA.wav",
       "SetGE_Off"}}},
    {"screen mode", &CInGameMenu::BuildScreenModeScreen, false, 575, "mn/screen_back.png",
     {{"Full16", 88, 190, "mn/screen_16_a.png", "mn/screen_16_d.png", "mn/screen_16_b.png", "mn/screen_bar.png",
       "mn/CA.wav", "SetScreen_Full16"},
      {"Full24", 88, 166, "mn/screen_24_a.png", "mn/screen_24_d.png", "mn/screen_24_b.png", "mn/screen_bar.png",
       "mn/CA.wav", "SetScreen_Full24"},
      {"Full32", 88, 142, "mn/screen_32_a.png", "mn/screen_32_d.png", "mn/screen_32_b.png", "mn/screen_bar.png",
       "mn/CA.wav", "SetScreen_Full32"},
      {"Win", 88, 255, "mn/screen_window_a.png", "mn/screen_window_c.png", "mn/screen_window_b.png", "",
       "mn/CA.wav", "SetScreen_Window"}}},
    {"save and load", &CInGameMenu::BuildSaveLoadScreen, false, 675, "mn/saveload_cannotuse3.png", {}},
    {"exit", &CInGameMenu::BuildExitScreen, false, 175, "mn/exit_back3.png",
     {{"Title", 112, 173, "mn/exit_exit_a.png", "mn/exit_exit_c.png", "mn/exit_exit_b.png", "", "mn/CA.wav",
       "Restart"},
      {"Exit", 112, 255, "mn/exit_exit_a.png", "mn/exit_exit_c.png", "mn/exit_exit_b.png", "", "mn/CA.wav",
       "ExitGame"}}},
};

void ExpectPlace(CNode* node, int x, int y, int z) {
    double px = 0, py = 0;
    node->GetPosition(&px, &py);
    EXPECT_EQ(px, x);
    EXPECT_EQ(py, y);
    EXPECT_EQ(node->GetZ(), z);
}

TEST_F(MenuPanelTest, EachPanelIsBuiltAsItsTableSays) {
    Open();
    CNode* canvas = menu_->GetRootNode();
    for (const PanelRow& panel : kPanels) {
        SCOPED_TRACE(panel.label);
        SetSoundAvailable(panel.soundAvailable);
        (menu_->*panel.build)();

        auto* frame = dynamic_cast<CClassNode*>(canvas->FindNode("Menu/Sub"));
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->GetNodeKind(), kNodeKindClass);
        EXPECT_EQ(frame->GetClassName(), "Config_Balloon");
        ExpectPlace(frame, panel.frameX, 480, 100);
        ASSERT_EQ(frame->GetChildren().size(), 1u);
        CNode* group = canvas->FindNode("Menu/Sub/N");
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->GetNodeKind(), kNodeKindScene);
        ExpectPlace(group, -151, -363, 0);
        ASSERT_EQ(group->GetChildren().size(), panel.items.size() + 1);

        auto* back = dynamic_cast<CImageNode*>(canvas->FindNode("Menu/Sub/N/Back"));
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->GetNodeKind(), kNodeKindImage);
        EXPECT_EQ(back->GetFile(), panel.background);
        ExpectPlace(back, 0, 0, 0);

        for (const ItemRow& item : panel.items) {
            SCOPED_TRACE(item.name);
            auto* button = dynamic_cast<CStandardButtonNode*>(canvas->FindNode(std::string("Menu/Sub/N/") + item.name));
            ASSERT_NE(button, nullptr);
            ExpectPlace(button, item.x, item.y, 0);
            EXPECT_EQ(button->GetClassName(), "");
            EXPECT_EQ(button->GetNormalImage(), item.normal);
            EXPECT_EQ(button->GetHighlightImage(), item.highlight);
            EXPECT_EQ(button->GetDownImage(), item.down);
            EXPECT_EQ(button->GetInvalidImage(), item.invalid);
            EXPECT_EQ(button->GetPressSound(), item.sound);
            EXPECT_EQ(button->GetCommand(), item.message);
            // Attached: its state pictures are there.
            EXPECT_TRUE(button->HasNodeAt("Normal"));
            EXPECT_EQ(button->HasNodeAt("Invalid"), *item.invalid != '\0');
            EXPECT_TRUE(button->IsEnabled());
        }
        // One panel at a time: the frame is the only "Sub".
        EXPECT_EQ(canvas->FindNode("Menu")->GetChildren().count("Sub"), 1u);
    }
    menu_->CloseSubScreen();
    EXPECT_FALSE(canvas->HasNodeAt("Menu/Sub"));
    menu_->CloseSubScreen();  // nothing left to close
}

// The state before, a panel built, a command to its choice handler (none
// when empty): the settings after and the item held down.
struct ChoiceRow {
    const char* label;
    bool soundAvailable;
    bool playSE;
    int32_t seVolume;
    const char* command;
    bool playSEAfter;
    int32_t seVolumeAfter;
    std::vector<std::string> held;
};

TEST_F(MenuPanelTest, SoundEffectChoicesWriteTheSettingsAndHoldTheMatchingItem) {
    const ChoiceRow rows[] = {
        {"level 3 chosen", true, false, -2000, "SE_3", true, -1000, {"SE_3"}},
        {"level 5 chosen", true, true, -1000, "SE_5", true, 0, {"SE_5"}},
        {"level 1 chosen", true, true, 0, "SE_1", true, -2000, {"SE_1"}},
        {"shown at -500", true, true, -500, "", true, -500, {"SE_4"}},
        {"shown at -1500", true, true, -1500, "", true, -1500, {"SE_2"}},
        {"a volume of -700 holds none", true, true, -700, "", true, -700, {}},
        {"off whatever the volume", true, false, -700, "", false, -700, {"SE_Off"}},
        {"off keeps the volume", true, true, -500, "SE_Off", false, -500, {"SE_Off"}},
        {"another command refreshes only", true, true, -1000, "BGM_5", true, -1000, {"SE_3"}},
        {"case counts", true, true, -1000, "se_5", true, -1000, {"SE_3"}},
        {"no sound device", false, true, -1000, "SE_5", true, -1000, {}},
    };
    Open();
    for (const ChoiceRow& row : rows) {
        SCOPED_TRACE(row.label);
        SetSoundAvailable(row.soundAvailable);
        GetConfig().SetPlaySE(row.playSE);
        GetConfig().SetSEVolume(row.seVolume);
        menu_->BuildSEVolumeScreen();
        if (*row.command) menu_->OnSEVolumeChoice(row.command);
        EXPECT_EQ(GetConfig().IsPlaySE(), row.playSEAfter);
        EXPECT_EQ(GetConfig().GetSEVolume(), row.seVolumeAfter);
        EXPECT_EQ(HeldItems(), row.held);
    }
}

TEST_F(MenuPanelTest, OffThenReopenedThenALevelAgain) {
    SetSoundAvailable(true);
    Open();
    GetConfig().SetPlayBGM(true);
    GetConfig().SetBGMVolume(-1500);
    menu_->BuildBGMVolumeScreen();
    EXPECT_EQ(HeldItems(), std::vector<std::string>{"BGM_2"});
    menu_->OnBGMVolumeChoice("BGM_Off");
    EXPECT_EQ(HeldItems(), std::vector<std::string>{"BGM_Off"});
    menu_->CloseSubScreen();
    menu_->BuildBGMVolumeScreen();
    EXPECT_EQ(HeldItems(), std::vector<std::string>{"BGM_Off"});
    EXPECT_EQ(GetConfig().GetBGMVolume(), -1500);
    menu_->OnBGMVolumeChoice("BGM_4");
    EXPECT_TRUE(GetConfig().IsPlayBGM());
    EXPECT_EQ(GetConfig().GetBGMVolume(), -500);
    EXPECT_EQ(HeldItems(), std::vector<std::string>{"BGM_4"});
    // The sound-effect settings were never touched.
    EXPECT_EQ(GetConfig().IsPlaySE(), config_.IsPlaySE());
    EXPECT_EQ(GetConfig().GetSEVolume(), config_.GetSEVolume());

    // Opening the sound-effect panel replaces the music panel.
    menu_->BuildSEVolumeScreen();
    EXPECT_TRUE(menu_->GetRootNode()->HasNodeAt("Menu/Sub/N/SE_Off"));
    EXPECT_FALSE(menu_->GetRootNode()->HasNodeAt("Menu/Sub/N/BGM_Off"));

    // Without a sound device a refresh leaves the items as they are.
    SetSoundAvailable(false);
    GetConfig().SetPlaySE(false);
    menu_->RefreshSEVolumeItems();
    EXPECT_NE(HeldItems(), std::vector<std::string>{"SE_Off"});
}

TEST_F(MenuPanelTest, GraphicEffectChoices) {
    struct Row {
        bool before;
        const char* command;
        bool after;
        const char* held;
    };
    const Row rows[] = {
        {false, "SetGE_On", true, "On"},
        {true, "SetGE_Off", false, "Off"},
        {true, "SetGE_on", true, "On"},
        {false, "Menu_SE", false, "Off"},
    };
    Open();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        GetConfig().SetUseEffect(row.before);
        menu_->BuildGraphicEffectScreen();
        EXPECT_EQ(HeldItems(), std::vector<std::string>{row.before ? "On" : "Off"});
        menu_->OnGraphicEffectChoice(row.command);
        EXPECT_EQ(GetConfig().IsUseEffect(), row.after);
        EXPECT_EQ(HeldItems(), std::vector<std::string>{row.held});
    }
}

TEST_F(MenuPanelTest, ScreenModeChoicesFollowTheDisplaysModes) {
    struct Row {
        const char* label;
        bool gameMain;
        CFullScreenModeFlags flags;
        int32_t modeBefore;
        const char* command;
        int32_t modeAfter;
        std::vector<std::string> held;
        std::vector<std::string> disabled;
    };
    const Row rows[] = {
        {"window shown", true, {true, true, true}, 1, "", 1, {"Win"}, {}},
        {"32 bits chosen", true, {true, true, true}, 1, "SetScreen_Full32", 7, {"Full32"}, {}},
        {"16 bits chosen", true, {true, true, true}, 7, "SetScreen_Full16", 5, {"Full16"}, {}},
        {"24 bits shown", true, {true, true, true}, 6, "", 6, {"Full24"}, {}},
        {"window chosen", true, {false, false, false}, 5, "SetScreen_Window", 1, {"Win"},
         {"Full16", "Full24", "Full32"}},
        {"no 24-bit mode", true, {true, false, true}, 1, "SetScreen_Full24", 1, {"Win"}, {"Full24"}},
        {"no 24-bit mode, no game main", false, {true, false, true}, 1, "SetScreen_Full24", 1, {"Win"}, {}},
        {"mode 2 holds none", true, {true, true, true}, 2, "", 2, {}, {}},
        {"mode 3 holds none", true, {true, true, true}, 3, "", 3, {}, {}},
        {"mode 4 holds none", true, {true, true, true}, 4, "", 4, {}, {}},
        {"an unknown command refreshes", true, {true, true, true}, 5, "SetScreen_Full64", 5, {"Full16"}, {}},
    };
    Open();
    // Only whether a game main is published counts; it is never used.
    alignas(16) static char standIn[16];
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        SetGameMain(row.gameMain ? reinterpret_cast<CGameMain*>(standIn) : nullptr);
        FullScreenModeFlags() = row.flags;
        GetConfig().SetScreenMode(row.modeBefore);
        menu_->BuildScreenModeScreen();
        if (*row.command) menu_->OnScreenModeChoice(row.command);
        EXPECT_EQ(GetConfig().GetScreenMode(), row.modeAfter);
        EXPECT_EQ(HeldItems(), row.held);
        std::vector<std::string> disabled;
        for (const char* item : {"Full16", "Full24", "Full32", "Win"}) {
            if (!IsItemEnabled(item)) disabled.push_back(item);
        }
        EXPECT_EQ(disabled, row.disabled);
    }
}

}  // namespace
