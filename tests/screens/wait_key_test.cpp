// "WaitKey" in a scene and in a script page beside it, ended by a press or
// from outside, and the page's script pause as the script sees it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../script/scene_fixtures.h"
#include "scene/script_page_node.h"
#include "screens/page_script_pause.h"

namespace {

// A scene of S/Main.txt that logs the events it hears.
class CEventScene : public CScene {
public:
    CEventScene(const std::string& text, std::vector<std::string>& log) : CScene("S/Main.txt"), log_(log) {
        GetScriptCache()->Insert("S/Main.txt", CompileUnit("page Main { " + text + " }", *GetClassCache()));
    }
    void OnEvent(std::string name) override { log_.push_back(name); }

private:
    std::vector<std::string>& log_;
};

class WaitKeyTest : public testing::Test {
protected:
    WaitKeyTest() {
        ClearRecordedErrors();
        for (const char* name : {"@2", "@3"}) SetVariable(name, 0);
    }
    void OpenScene(const std::string& text) {
        auto owned = std::make_unique<CEventScene>(text, events_);
        scene_ = owned.get();
        host_.AttachScene(std::move(owned));
    }
    CScriptPageNode* AddPage(const std::string& text) {
        auto* page = new CScriptPageNode(0, 0, 5, "mn/Menu.txt", 1.0);
        page->GetScriptCache()->Insert("mn/Menu.txt", CompileUnit("page Main { " + text + " }", *page->GetClassCache()));
        scene_->GetRootNode()->AddChild("Page", page);
        page->Reset();
        return page;
    }
    int Send(UINT message) { return scene_->HandleMessage(nullptr, message, 0, 0); }

    std::vector<std::string> events_;
    CSceneHost host_;
    CScene* scene_ = nullptr;
};

TEST_F(WaitKeyTest, OnlyAKeyOrLeftPressDuringTheWaitEndsIt) {
    OpenScene("wait 10; WaitKey(); if (@2 += 1) ; WaitKey(); if (@2 += 1) ;");
    EXPECT_EQ(Send(WM_KEYDOWN), 0);  // before the wait began
    host_.Update(10);
    EXPECT_EQ(events_, std::vector<std::string>{"OnKeyWaitBegin"});
    host_.Update(10);
    for (UINT message : {WM_KEYUP, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEMOVE, WM_CHAR}) {
        SCOPED_TRACE(message);
        EXPECT_EQ(Send(message), 0);
        host_.Update(10);
        EXPECT_EQ(ReadScriptVariable("@2"), 0);
    }
    int32_t count = 0;
    for (UINT press : {WM_KEYDOWN, WM_LBUTTONDOWN}) {
        SCOPED_TRACE(press);
        EXPECT_EQ(Send(press), 1);
        // The wait lets go in the next frame and the script runs on in the one after.
        host_.Update(1);
        host_.Update(1);
        EXPECT_EQ(ReadScriptVariable("@2"), ++count);
    }
    EXPECT_EQ(events_, (std::vector<std::string>{"OnKeyWaitBegin", "OnKeyWaitEnd", "OnKeyWaitBegin",
                                                 "OnKeyWaitEnd"}));
    EXPECT_EQ(Send(WM_KEYDOWN), 0);  // no longer listening
}

TEST_F(WaitKeyTest, AKeyWaitInAPageBlocksThatPageOnly) {
    OpenScene("wait 10; if (@3 = 7) ;");
    CScriptPageNode* page = AddPage("WaitKey(); if (@2 = 1) ;");
    EXPECT_EQ(events_, std::vector<std::string>{"OnKeyWaitBegin"});
    host_.Update(20);
    EXPECT_EQ(ReadScriptVariable("@3"), 7);
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    EXPECT_NE(page->GetPendingStatement(), nullptr);
    EXPECT_EQ(Send(WM_KEYDOWN), 1);
    host_.Update(10);
    host_.Update(10);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    EXPECT_EQ(events_, (std::vector<std::string>{"OnKeyWaitBegin", "OnKeyWaitEnd"}));
}

TEST_F(WaitKeyTest, EndingTheWaitFromOutsideRaisesItsEndOnce) {
    OpenScene("");
    CScriptPageNode* page = AddPage("WaitKey(); if (@2 = 1) ;");
    page->DropPendingStatement();
    EXPECT_EQ(events_, (std::vector<std::string>{"OnKeyWaitBegin", "OnKeyWaitEnd"}));
    EXPECT_EQ(Send(WM_KEYDOWN), 0);
    host_.Update(10);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    page->DropPendingStatement();
    scene_->GetRootNode()->RemoveAt("Page");
    host_.Update(10);
    EXPECT_EQ(events_.size(), 2u);
}

TEST_F(WaitKeyTest, APausedPageScriptWaitsForThePauseOrItsFinish) {
    OpenScene("");
    CScriptPageNode* page = AddPage("wait 10; if (@2 += 1) ; wait 100; if (@2 += 1) ;");
    CPageScriptPause pause(100);
    page->ApplyCommand(&pause);
    host_.Update(60);
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    host_.Update(40);  // the pause is over; the wait it cut off is not taken up again
    EXPECT_EQ(ReadScriptVariable("@2"), 1);

    page->ApplyCommand(&pause);  // and this one cuts off the wait of 100
    host_.Update(50);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    page->FinishMenuCommand();
    EXPECT_FALSE(page->QueryMenuCommand());
    host_.Update(1);
    EXPECT_EQ(ReadScriptVariable("@2"), 2);
}

}  // namespace
