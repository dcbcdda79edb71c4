// Saving and loading through the demo's menu and the screens' own script
// "System/Gallery.txt": the save screen writes the game at its save point
// into a slot and flashes the slot's panel; after a later save point the
// load screen brings that slot back, the story starts again from "Main" and
// resumes at the slot's chapter, and a quick save then holds the slot's
// caption and values. The labels of the exit panel and of the screens'
// titles, tabs and buttons, as the screens draw them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "demo_colours.h"
#include "demo_game.h"
#include "graphics/memory_surface.h"
#include "graphics/png_image.h"
#include "menu_globals_scope.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "scene/node.h"
#include "screens/gallery_layout.h"
#include "screens/in_game_menu.h"
#include "screens/menu_state.h"
#include "screens/quick_save.h"
#include "screens/slot_screen.h"
#include "script/scene_host.h"
#include "script/script_variables.h"
#include "text/text_node.h"

namespace {

constexpr int kFrame = 17;
constexpr int kSlotEntry = 4;  // slot 5, on the first page
const char kSlotFile[] = "UserData/Play0005.dat";

class DemoSaveLoadTest : public testing::Test {
protected:
    // Frames until the menu is the current scene with no change waiting.
    void Settle() {
        for (int frame = 0; frame < 120 && (host_.GetCurrentScene() != menu_ || menu_->IsChangePending()); ++frame) {
            host_.Update(kFrame);
        }
        ASSERT_EQ(host_.GetCurrentScene(), menu_);
        ASSERT_FALSE(menu_->IsChangePending());
    }
    // A press of the button at the path of the current scene, as a click on
    // it makes.
    void Press(const std::string& path) {
        CNode* root = host_.GetCurrentScene()->GetRootNode();
        ASSERT_TRUE(root->HasNodeAt(path)) << path;
        root->Request(path, "ButtonDown");
    }
    // The save and load panel, from the menu bar's System button.
    void OpenSaveLoadPanel() {
        menu_->ReceiveCommand("Menu");
        Settle();
        Press("Menu/Config/ItemSaveLoad");
        Settle();
        ASSERT_EQ(menu_->GetState(), kMenuStateSaveLoad);
    }
    // The screen the entry calls, with the slot's panel chosen and "Yes"
    // pressed in its question.
    CSlotScreen* ChooseSlot(const char* entry) {
        Press(std::string("Menu/Sub/N/") + entry);
        auto* screen = dynamic_cast<CSlotScreen*>(host_.GetCurrentScene());
        if (!screen) return nullptr;
        Press("Data04/Thumb");
        EXPECT_EQ(screen->GetState(), kGalleryConfirm);
        EXPECT_TRUE(screen->GetRootNode()->HasNodeAt("Caution/Comment"));
        Press("Caution/Yes");
        return screen;
    }

    CDemoFolder game_;
    CMenuGlobalsScope globals_;
    CSceneHost host_;
    CInGameMenu* menu_ = nullptr;
};

TEST_F(DemoSaveLoadTest, ASavedSlotIsLoadedBackAndQuickSaved) {
    auto owned = std::make_unique<CInGameMenu>("S/Main.txt");
    menu_ = owned.get();
    host_.AttachScene(std::move(owned));
    EXPECT_EQ(*GetScriptVariableAddress("$10"), 1);  // the first chapter began

    // The sound chapter's save point, as the story takes it.
    GetPlayData().vars.values[100] = 3;
    GetPlayData().vars.values[7] = 77;
    menu_->ReceiveCommand("SavePoint:Sound");
    const SaveVariables atSound = GetSavedPlayData().vars;

    OpenSaveLoadPanel();
    CSlotScreen* save = ChooseSlot("Save");
    ASSERT_NE(save, nullptr);
    CPlayData slot;
    ASSERT_TRUE(slot.Load(kSlotFile));
    EXPECT_EQ(slot.vars.caption, "Sound");
    EXPECT_EQ(slot.vars.values[100], 3);
    EXPECT_EQ(slot.vars.values[7], 77);
    EXPECT_TRUE(save->GetRecord(kSlotEntry).exists);
    ASSERT_TRUE(save->GetRootNode()->HasNodeAt("Data04/Flash"));
    EXPECT_NE(save->GetPanelText(kSlotEntry).find("Chapter 3"), std::string::npos);
    Press("Exit");
    Settle();
    EXPECT_EQ(menu_->GetState(), kMenuStateSaveScreen);
    host_.Update(kFrame);  // the menu's first frame back: the panel again
    EXPECT_EQ(menu_->GetState(), kMenuStateSaveLoad);
    EXPECT_TRUE(menu_->GetRootNode()->HasNodeAt("Menu/Sub/N/Load"));

    // On to the choice chapter's save point.
    GetPlayData().vars.values[100] = 4;
    GetPlayData().vars.values[7] = 0;
    menu_->ReceiveCommand("SavePoint:Choice");
    EXPECT_EQ(GetSavedPlayData().vars.caption, "Choice");

    CSlotScreen* load = ChooseSlot("Load");
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(GetPlayData().vars.caption, "Sound");
    EXPECT_EQ(GetSavedPlayData().vars.values[7], 77);
    Settle();
    host_.Update(kFrame);
    // The story began again from "Main" with the slot's values and went on
    // at the slot's chapter, past the first one.
    EXPECT_EQ(GetPlayData().vars.values[100], 3);
    EXPECT_EQ(*GetScriptVariableAddress("$10"), 1);
    EXPECT_EQ(menu_->GetState(), kMenuStatePlay);

    menu_->ReceiveCommand("Clip");
    CPlayData quick;
    ASSERT_TRUE(quick.Load(QuickSaveFileName));
    EXPECT_EQ(quick.vars.caption, atSound.caption);
    EXPECT_EQ(quick.vars.values, atSound.values);
    EXPECT_EQ(quick.vars.strings, atSound.strings);
}

// The exit panel's two items show the same pictures, so the menu script
// labels each; the screens' back button carries its word in its pictures.
TEST_F(DemoSaveLoadTest, TheExitPanelsItemsAndTheScreensBackButtonAreLabelled) {
    auto owned = std::make_unique<CInGameMenu>("S/Main.txt");
    menu_ = owned.get();
    host_.AttachScene(std::move(owned));
    menu_->ReceiveCommand("Menu");
    Settle();
    Press("Menu/Config/ItemExit");
    Settle();
    CNode* root = menu_->GetRootNode();
    for (const char* item : {"Title", "Exit"}) {
        SCOPED_TRACE(item);
        auto* label = dynamic_cast<CTextNode*>(root->FindNode(std::string("Menu/Sub/N/") + item + "/Label"));
        ASSERT_NE(label, nullptr);
        int width = 0, height = 0;
        label->GetSize(&width, &height);
        EXPECT_GT(width, 0);
    }

    // The word's light pixels on the button's face, in every state.
    for (const char* state : {"a", "b", "c"}) {
        SCOPED_TRACE(state);
        CMemorySurface picture;
        ASSERT_EQ(LoadPngImage(picture, std::string("System/exit_s_") + state + ".png"), 0);
        int light = 0;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 100; ++x) light += (picture.GetPixel(x, y) & 0xFFFFFF) == 0xF0F0F0;
        }
        EXPECT_GT(light, 60);
    }
}

// What the load and save screens draw: each screen's title and every page
// title read as words in the label ink, the two screens' titles read
// differently, every tab shows where it takes its own clicks and carries
// its label, the buttons carry theirs and the pad its lines.
class DemoSaveScreensTest : public testing::Test {
protected:
    // The screen's picture, drawn whole as the display shows it.
    static void Draw(CNode* root, CMemorySurface& screen) {
        ASSERT_EQ(screen.Create(800, 600), 0);
        root->Draw(screen, CTransform2D(0, 0, 1, 1, 1, 0), nullptr);
    }
    // The label ink's pixels inside the rectangle, as a mask.
    static std::vector<bool> Ink(const CMemorySurface& screen, RECT area) {
        std::vector<bool> mask;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                mask.push_back((screen.GetPixel(x, y) & 0xFFFFFF) == kDemoLabelInk);
            }
        }
        return mask;
    }
    static int Count(const std::vector<bool>& mask) {
        int count = 0;
        for (bool inked : mask) count += inked;
        return count;
    }
    static RECT Around(CNode* node) {
        double x = 0, y = 0;
        node->GetPosition(&x, &y);
        int width = 0, height = 0;
        node->GetSize(&width, &height);
        const LONG left = static_cast<LONG>(x), top = static_cast<LONG>(y);
        return RECT{left, top, left + width, top + height};
    }

    CDemoFolder game_;
    CMenuGlobalsScope globals_;
};

TEST_F(DemoSaveScreensTest, TitlesTabsButtonsAndThePadAreLabelled) {
    using namespace gallery_layout;
    std::vector<bool> titles[2];
    for (int load = 0; load < 2; ++load) {
        SCOPED_TRACE(load ? "load" : "save");
        CSceneHost host;
        std::unique_ptr<CSlotScreen> owned;
        if (load) {
            owned = std::make_unique<CLoadScreen>();
        } else {
            owned = std::make_unique<CSaveScreen>();
        }
        CSlotScreen* slots = owned.get();
        host.AttachScene(std::move(owned));
        for (int frame = 0; frame < 60; ++frame) host.Update(kFrame);  // the pad's lines typed out
        CNode* root = slots->GetRootNode();
        CMemorySurface screen;
        Draw(root, screen);
        titles[load] = Ink(screen, Around(root->FindNode("Logo")));
        EXPECT_GT(Count(titles[load]), 100);
        const RECT saveOrder{kPanelSaveX, kPanelSaveY, kPanelSaveX + 100, kPanelSaveY + 20};
        const RECT back{kExitX, kExitY, kExitX + 100, kExitY + 20};
        EXPECT_GT(Count(Ink(screen, saveOrder)), 40);
        EXPECT_GT(Count(Ink(screen, back)), 40);
        // The pad's lines: light pixels on its dark strip, where no tab
        // lies over it.
        int light = 0;
        for (int y = kPadTop; y < kPadBottom; ++y) {
            for (int x = kPadLeft; x < kPadRight; ++x) {
                std::string path;
                root->HitTestPath(x, y, CTransform2D(0, 0, 1, 1, 1, 0), &path);
                light += path.compare(0, 3, "Tab") != 0 && (screen.GetPixel(x, y) & 0xFF) > 0x90;
            }
        }
        EXPECT_GT(light, 40) << light;

        // Each tab: the points of the top right corner where a click reaches
        // it, the label ink among them, and its page once it is pressed.
        std::vector<bool> pageTitles[3];
        for (int page = 0; page < 3; ++page) {
            SCOPED_TRACE(page);
            const std::string tab = "Tab0" + std::to_string(page);
            int hits = 0, inked = 0;
            for (int y = 0; y < 200; ++y) {
                for (int x = 600; x < 800; ++x) {
                    std::string path;
                    if (!root->HitTestPath(x, y, CTransform2D(0, 0, 1, 1, 1, 0), &path)) continue;
                    if (path.compare(0, tab.size(), tab) != 0) continue;
                    ++hits;
                    inked += (screen.GetPixel(x, y) & 0xFFFFFF) == kDemoLabelInk;
                }
            }
            EXPECT_GT(hits, 200);
            EXPECT_GT(inked, 10);
            root->Request(tab, "ButtonDown");
            EXPECT_EQ(slots->GetCurrentPage(), page);
            CMemorySurface shown;
            Draw(root, shown);
            pageTitles[page] = Ink(shown, Around(root->FindNode("PageTitle")));
            EXPECT_GT(Count(pageTitles[page]), 100);
        }
        EXPECT_TRUE(pageTitles[0] != pageTitles[1] && pageTitles[1] != pageTitles[2]) << "the page titles read alike";
    }
    EXPECT_TRUE(titles[0] != titles[1]) << "the two screens' titles read alike";
}

}  // namespace
