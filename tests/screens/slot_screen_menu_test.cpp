// The in-game menu's side of the load and save screens: entering states 25
// and 26 calls the screen and stops the story; once the screen has
// returned, the menu's next frame sets the quick-load entry by whether the
// quick-save slot exists and goes back to the save and load panel.
#include <memory>
#include <string>

#include "../script/scene_fixtures.h"
#include "gallery_window.h"
#include "platform/paths.h"
#include "platform/save_data.h"
#include "scene/scene_node.h"
#include "scene/script_page_node.h"
#include "screens/in_game_menu.h"
#include "screens/menu_state.h"
#include "screens/slot_screen.h"

namespace {

class SlotScreenMenuTest : public GalleryWindowTest {
protected:
    SlotScreenMenuTest() {
        for (const char* archive : {"S.dat", "mn.dat"}) {
            temp_.Write(archive, ReadBytes(GetProgramDirectory() + "screens_fixture\\" + archive));
        }
    }
    ~SlotScreenMenuTest() override { EXPECT_TRUE(RecordedErrors().empty()); }
    std::unique_ptr<CGalleryScreen> MakeScreen() override { return nullptr; }

    // The root menu, with a quick-load entry where the save and load panel
    // would have it.
    CInGameMenu* OpenMenu(CSceneHost& host) {
        auto owned = std::make_unique<CInGameMenu>("S/Main.txt");
        CInGameMenu* menu = owned.get();
        host.AttachScene(std::move(owned));
        CNode* canvas = menu->GetRootNode();
        for (const char* path : {"Menu/Sub", "Menu/Sub/N"}) {
            auto* group = new CSceneNode(0, 0, 0);
            canvas->AddChild(path, group);
            group->Reset();
        }
        auto* clip = new CButtonNode(0, 0, 0, "");
        canvas->AddChild("Menu/Sub/N/Clip", clip);
        clip->Reset();
        return menu;
    }
};

TEST_F(SlotScreenMenuTest, TheScreensAreCalledAndTheirReturnLeadsBackToThePanel) {
    Run(
        [&] {
            CSceneHost host;
            CInGameMenu* menu = OpenMenu(host);
            auto clip = [&] { return static_cast<CButtonNode*>(menu->GetRootNode()->FindNode("Menu/Sub/N/Clip")); };
            struct Case {
                int32_t state;
                bool quickSave;
            };
            for (const Case& c : {Case{kMenuStateSaveScreen, false}, Case{kMenuStateLoadScreen, true}}) {
                SCOPED_TRACE(c.state);
                if (c.quickSave) {
                    CPlayData quick;
                    quick.vars.caption = "Forest";
                    ASSERT_TRUE(quick.Save(temp_.Path() + "UserData\\Play0001.dat"));
                }
                menu->RequestState(c.state, "");
                CScene* called = host.GetCurrentScene();
                ASSERT_NE(called, menu);
                if (c.state == kMenuStateSaveScreen) {
                    EXPECT_NE(dynamic_cast<CSaveScreen*>(called), nullptr);
                } else {
                    EXPECT_NE(dynamic_cast<CLoadScreen*>(called), nullptr);
                }
                EXPECT_EQ(menu->GetState(), c.state);
                EXPECT_EQ(menu->GetSpeedFactor(), 0.0);
                EXPECT_EQ(menu->FindGameNode()->GetTimeScale(), 0.0);

                called->OnEvent("Exit");
                EXPECT_EQ(host.GetCurrentScene(), menu);
                EXPECT_EQ(menu->GetState(), c.state);
                host.Update(17);
                EXPECT_EQ(menu->GetState(), kMenuStateSaveLoad);
                EXPECT_EQ(clip()->IsEnabled(), c.quickSave);
            }
        },
        false);
}

}  // namespace
