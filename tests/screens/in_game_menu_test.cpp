// The root scene over packed fixture stories: its three children, the menu
// layer's fade-in, the game speed, a finished story, key-wait events, the
// missing script name, and "LoadGame" and "BackToTitle" with and without a
// scene below.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../graphics/expect_box.h"
#include "../script/scene_fixtures.h"
#include "graphics/memory_surface.h"
#include "platform/config.h"
#include "platform/global_state.h"
#include "platform/paths.h"
#include "scene/color_node.h"
#include "scene/rect_math.h"
#include "scene/script_page_node.h"
#include "screens/in_game_menu.h"
#include "support/temp_folder.h"

namespace {

// A root scene that logs the events and commands it hears.
class CLoggingMenu : public CInGameMenu {
public:
    CLoggingMenu(const std::string& script, std::vector<std::string>& log) : CInGameMenu(script), log_(log) {}
    void OnEvent(std::string name) override { log_.push_back(name); }

private:
    std::vector<std::string>& log_;
};

// A plain scene that logs the labels it is returned to with.
class CReturnLog : public CScene {
public:
    explicit CReturnLog(std::vector<std::string>& log) : log_(log) {}
    void OnReturned(CScene*, std::string label) override { log_.push_back("returned " + label); }

private:
    std::vector<std::string>& log_;
};

class InGameMenuTest : public testing::Test {
protected:
    InGameMenuTest() : gameSpeed_(GetConfig().GetGameSpeed()) {
        CreateDirectoryA((temp_.Path() + "UserData").c_str(), nullptr);
        for (const char* archive : {"S.dat", "mn.dat"}) {
            temp_.Write(archive, ReadBytes(GetProgramDirectory() + "screens_fixture\\" + archive));
        }
        ClearRecordedErrors();
        for (const char* name : {"@2", "@3", "@4"}) SetVariable(name, 0);
        GetConfig().SetGameSpeed(1.0f);
    }
    ~InGameMenuTest() override { GetConfig().SetGameSpeed(gameSpeed_); }

    CLoggingMenu* Attach(const std::string& script) {
        auto owned = std::make_unique<CLoggingMenu>(script, log_);
        CLoggingMenu* menu = owned.get();
        host_.AttachScene(std::move(owned));
        return menu;
    }
    double MenuOpacity(CInGameMenu* menu) {
        double opacity = -1;
        menu->FindMenuNode()->GetOpacity(&opacity);
        return opacity;
    }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
    float gameSpeed_;
    std::vector<std::string> log_;
    CSceneHost host_;
};

TEST_F(InGameMenuTest, StartBuildsBackgroundStoryAndMenu) {
    GetConfig().SetGameSpeed(2.0f);
    CInGameMenu* menu = Attach("S/Main.txt");
    const auto& children = menu->GetRootNode()->GetChildren();
    ASSERT_EQ(children.size(), 3u);
    auto* back = dynamic_cast<CColorNode*>(children.at("Back"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->GetZ(), 0);
    int width = 0, height = 0;
    back->GetSize(&width, &height);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);
    CScriptPageNode* game = menu->FindGameNode();
    CScriptPageNode* layer = menu->FindMenuNode();
    ASSERT_NE(game, nullptr);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(game->GetZ(), 100);
    EXPECT_EQ(game->GetFile(), "S/Main.txt");
    EXPECT_EQ(game->GetTimeScale(), 2.0);
    EXPECT_EQ(layer->GetZ(), 200);
    EXPECT_EQ(layer->GetFile(), "mn/Menu.txt");
    EXPECT_EQ(layer->GetTimeScale(), 1.0);
    EXPECT_EQ(ReadScriptVariable("@4"), 1);  // the menu script ran up to its wait
    EXPECT_EQ(menu->GetSceneKind(), 2);
    EXPECT_EQ(menu->GetState(), 1);
    EXPECT_EQ(menu->GetSpeedFactor(), 1.0);

    // The story runs twice as fast from the first frame; the menu layer
    // fades in over its own second.
    EXPECT_EQ(MenuOpacity(menu), 0.0);
    for (int frame = 0; frame < 5; ++frame) host_.Update(50);
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    host_.Update(250);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    EXPECT_DOUBLE_EQ(MenuOpacity(menu), 0.5);
    host_.Update(500);
    EXPECT_EQ(MenuOpacity(menu), 1.0);
    EXPECT_FALSE(layer->IsAnimating(kAnimatorOpacity));

    // The story waits with nothing moving: a frame draws no cell.
    CMemorySurface target;
    ASSERT_EQ(target.Create(800, 600), 0);
    const CTransform2D identity(0, 0, 1, 1, 1, 0);
    host_.Draw(target, identity, nullptr);
    EXPECT_FALSE(IsEmptyRect(menu->GetChangedArea()));
    host_.Update(17);
    host_.Draw(target, identity, nullptr);
    EXPECT_TRUE(IsEmptyRect(menu->GetChangedArea()));
}

TEST_F(InGameMenuTest, TheGameSpeedFollowsFactorOrFixedValue) {
    GetConfig().SetGameSpeed(1.5f);
    CInGameMenu* menu = Attach("S/Main.txt");
    menu->SetGameSpeedFactor(2.0);
    EXPECT_EQ(menu->FindGameNode()->GetTimeScale(), 3.0);
    EXPECT_FALSE(menu->IsSpeedFixed());
    menu->SetGameSpeedFixed(0.0);
    EXPECT_EQ(menu->FindGameNode()->GetTimeScale(), 0.0);
    EXPECT_TRUE(menu->IsSpeedFixed());
    host_.Update(2000);
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
}

TEST_F(InGameMenuTest, AFinishedStoryLeavesTheRootAsItIs) {
    CInGameMenu* menu = Attach("S/Empty.txt");
    EXPECT_TRUE(menu->IsScriptFinished());
    host_.Update(100);
    EXPECT_EQ(host_.GetCurrentScene(), menu);
    EXPECT_EQ(menu->GetRootNode()->GetChildren().size(), 3u);
}

TEST_F(InGameMenuTest, AKeyWaitInTheStoryReachesTheEventEntry) {
    CInGameMenu* menu = Attach("S/Key.txt");
    EXPECT_EQ(log_, std::vector<std::string>{"OnKeyWaitBegin"});
    host_.Update(100);
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    EXPECT_EQ(menu->HandleMessage(nullptr, WM_KEYDOWN, VK_RETURN, 0), 1);
    host_.Update(17);
    host_.Update(17);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    EXPECT_EQ(log_, (std::vector<std::string>{"OnKeyWaitBegin", "OnKeyWaitEnd"}));
}

TEST_F(InGameMenuTest, AnEmptyScriptNameBuildsNothing) {
    auto owned = std::make_unique<CInGameMenu>("");
    CInGameMenu* menu = owned.get();
    EXPECT_THROW(host_.AttachScene(std::move(owned)), CInternalError);
    ExpectOneBox(ErrorKind::Internal, kModuleInGameMenu, 91);
    EXPECT_TRUE(menu->GetRootNode()->GetChildren().empty());
}

TEST_F(InGameMenuTest, LoadGameFromAboveGoesOnToTheSceneBelow) {
    host_.AttachScene(std::make_unique<CReturnLog>(log_));
    host_.CallScene(std::make_unique<CInGameMenu>("S/Count.txt"));
    host_.CallScene(std::make_unique<CScene>());
    host_.ReturnScene("Other");
    EXPECT_EQ(host_.GetCurrentScene()->GetSceneKind(), 2);
    host_.ReturnScene("LoadGame");  // the menu passes it on at once
    EXPECT_EQ(host_.GetStackSize(), 0u);
    EXPECT_EQ(host_.GetCurrentScene()->GetSceneKind(), 1);
    EXPECT_EQ(log_, std::vector<std::string>{"returned LoadGame"});
}

TEST_F(InGameMenuTest, AtTheRootTheStoryStartsAgainInTheNextUpdate) {
    struct Case {
        const char* label;
        bool fromSubScene;
        int32_t at2After;  // @2 was 5 before the restart
    };
    const Case cases[] = {
        {"LoadGame", true, 5},
        {"BackToTitle", false, 0},
        {"Other", false, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        CSceneHost host;
        SetVariable("@3", 0);
        auto owned = std::make_unique<CInGameMenu>("S/Count.txt");
        CInGameMenu* menu = owned.get();
        host.AttachScene(std::move(owned));
        EXPECT_EQ(ReadScriptVariable("@3"), 1);
        SetVariable("@2", 5);
        if (c.fromSubScene) {
            host.CallScene(std::make_unique<CScene>());
            host.ReturnScene(c.label);
        } else {
            menu->ReturnOrRestart(c.label);
        }
        EXPECT_EQ(host.GetCurrentScene(), menu);
        EXPECT_TRUE(menu->IsRestartPending());
        EXPECT_EQ(ReadScriptVariable("@3"), 1);  // never inside the call that asked
        host.Update(17);
        EXPECT_FALSE(menu->IsRestartPending());
        EXPECT_EQ(ReadScriptVariable("@2"), c.at2After);
        EXPECT_EQ(ReadScriptVariable("@3"), c.fromSubScene || c.at2After ? 2 : 1);
        EXPECT_EQ(menu->GetRootNode()->GetChildren().size(), 3u);
    }
}

}  // namespace
