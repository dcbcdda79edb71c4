// The script page node: its own script beside the scene's, its time scale,
// the locked page's input filter, the held page commands, its own script
// switch, a copy's state and its loop guard.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../graphics/expect_box.h"
#include "../script/scene_fixtures.h"
#include "scene/script_page_node.h"
#include "script/script_command_kind.h"

namespace {

// Counts every message offered and lets it pass on.
class CCountingListener : public CMessageListener {
public:
    int HandleMessage(HWND, UINT message, WPARAM, LPARAM) override {
        messages.push_back(message);
        return 0;
    }
    std::vector<UINT> messages;
};

// A page command of the given kind that logs what the page does to it and
// runs while *running holds.
class CLogPageCommand : public CPageCommand {
public:
    CLogPageCommand(int kind, std::string label, std::vector<std::string>& log, const bool* running)
        : kind_(kind), label_(std::move(label)), log_(log), running_(running) {}
    ~CLogPageCommand() override { log_.push_back(label_ + " delete"); }
    int GetKind() const override { return kind_; }
    void Start(CScriptPageNode&) override { log_.push_back(label_ + " start"); }
    void Step(CScriptPageNode&, int ms) override { log_.push_back(label_ + " step " + std::to_string(ms)); }
    void Finish(CScriptPageNode&) override { log_.push_back(label_ + " finish"); }
    bool IsRunning() const override { return *running_; }
    CPageCommand* Clone() const override { return new CLogPageCommand(kind_, label_, log_, running_); }
    unsigned GetTimeLeft() const override { return *running_ ? 1u : 0u; }

private:
    int kind_;
    std::string label_;
    std::vector<std::string>& log_;
    const bool* running_;
};

class ScriptPageNodeTest : public testing::Test {
protected:
    ScriptPageNodeTest() {
        ClearRecordedErrors();
        for (const char* name : {"@2", "@3"}) SetVariable(name, 0);
    }

    // The scene runs sceneText as S/Main.txt.
    void OpenScene(const std::string& sceneText = "") {
        auto owned = SceneOfText("page Main { " + sceneText + " }");
        scene_ = owned.get();
        host_.AttachScene(std::move(owned));
    }

    // A page named "Page" under the canvas running pageText as mn/Menu.txt
    // (no script for an empty file), with a recording child added before the
    // page starts.
    CScriptPageNode* AddPage(const std::string& pageText, double speed = 1.0, const std::string& file = "mn/Menu.txt") {
        auto* page = new CScriptPageNode(0, 0, 5, file, speed);
        if (!file.empty()) {
            page->GetScriptCache()->Insert(file, CompileUnit("page Main { " + pageText + " }", *page->GetClassCache()));
        }
        scene_->GetRootNode()->AddChild("Page", page);
        recorder_ = new CRecordingNode();
        page->AddChild("Rec", recorder_);
        recorder_->Reset();
        page->Reset();
        recorder_->steps.clear();
        return page;
    }

    std::vector<std::string> log_;
    CSceneHost host_;
    CScene* scene_ = nullptr;
    CRecordingNode* recorder_ = nullptr;
};

TEST_F(ScriptPageNodeTest, TheTimeScaleDrivesScriptAndChildren) {
    struct Case {
        double speed;
        int frame;
        std::vector<NodeStep> childSteps;
        int32_t at2;  // 1 once the page's wait of 20 ms is over
    };
    const Case cases[] = {
        {1.0, 40, {{20, 0}, {20, 1}}, 1},
        {0.5, 40, {{20, 0}}, 1},
        {0.5, 30, {{15, 0}}, 0},
        {0.0, 40, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.speed);
        SetVariable("@2", 0);
        SetVariable("@3", 0);
        OpenScene();
        CScriptPageNode* page = AddPage("if (@3 = 1) ; wait 20; if (@2 = 1) ;", c.speed);
        EXPECT_EQ(ReadScriptVariable("@3"), 1);  // statements before the wait run even at speed 0
        host_.Update(c.frame);
        EXPECT_EQ(recorder_->steps, c.childSteps);
        EXPECT_EQ(ReadScriptVariable("@2"), c.at2);
        EXPECT_EQ(page->GetNodeKind(), kNodeKindScriptPage);
    }
}

TEST_F(ScriptPageNodeTest, ItsNodesBelongToThePageAndItRunsBesideTheScene) {
    OpenScene("wait 30; if (@3 = 7) ;");
    CScriptPageNode* page = AddPage("wait 10; if (@2 = 1) ; wait 100;");
    EXPECT_TRUE(page->IsAnimating(kAnimatorScript));
    EXPECT_EQ(page->GetAnimationTimeLeft(kAnimatorAny), 4294967295u);
    EXPECT_EQ(recorder_->GetOwner(), static_cast<CScriptHost*>(page));
    EXPECT_EQ(page->GetOwner(), static_cast<CScriptHost*>(page));
    EXPECT_EQ(page->GetParentHost(), static_cast<CScriptHost*>(scene_));
    host_.Update(40);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    EXPECT_EQ(ReadScriptVariable("@3"), 7);
    // A message naming a page of the file runs nothing.
    SetVariable("@2", 0);
    scene_->GetRootNode()->Request("Page", "Main");
    host_.Update(200);
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    EXPECT_FALSE(page->IsAnimating(kAnimatorScript));
}

TEST_F(ScriptPageNodeTest, APageWithoutAFileRunsNothingButListens) {
    OpenScene();
    CScriptPageNode* page = AddPage("", 1.0, "");
    CCountingListener listener;
    page->AddMessageListener(&listener);
    scene_->HandleMessage(nullptr, WM_MOUSEWHEEL, 0, 0);
    EXPECT_EQ(listener.messages, std::vector<UINT>{WM_MOUSEWHEEL});
    EXPECT_FALSE(page->IsAnimating(kAnimatorScript));
    host_.Update(40);
    EXPECT_EQ(recorder_->steps, (std::vector<NodeStep>{{40, 0}}));
    page->RemoveMessageListener(&listener);
}

TEST_F(ScriptPageNodeTest, ALockedPageHoldsBackClicksAndKeys) {
    struct Case {
        UINT message;
        bool reachesLocked;
    };
    const Case cases[] = {
        {WM_KEYDOWN, false},     {WM_KEYUP, false},       {WM_MOUSEMOVE, false},  {WM_LBUTTONDOWN, false},
        {WM_LBUTTONUP, false},   {WM_RBUTTONDOWN, false}, {WM_RBUTTONUP, false},  {WM_MOUSEWHEEL, true},
        {WM_LBUTTONDBLCLK, true}, {WM_CHAR, true},
    };
    OpenScene();
    CScriptPageNode* page = AddPage("", 1.0, "");
    CCountingListener listener;
    page->AddMessageListener(&listener);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        scene_->GetRootNode()->Request("Page", "#Lock");
        EXPECT_TRUE(page->IsLocked());
        listener.messages.clear();
        scene_->HandleMessage(nullptr, c.message, 0, 0);
        EXPECT_EQ(listener.messages.size(), c.reachesLocked ? 1u : 0u);
        scene_->GetRootNode()->Request("Page", "#Release");
        listener.messages.clear();
        scene_->HandleMessage(nullptr, c.message, 0, 0);
        EXPECT_EQ(listener.messages.size(), 1u);
    }
    page->RemoveMessageListener(&listener);
}

TEST_F(ScriptPageNodeTest, ASecondScriptPauseReplacesTheFirst) {
    OpenScene();
    CScriptPageNode* page = AddPage("", 1.0, "");
    EXPECT_FALSE(page->QueryMenuCommand());
    bool firstRuns = true;
    bool secondRuns = false;
    CLogPageCommand first(kKindPageScriptPause, "first", log_, &firstRuns);
    CLogPageCommand second(kKindPageScriptPause, "second", log_, &secondRuns);
    page->ApplyCommand(&first);
    EXPECT_TRUE(page->QueryMenuCommand());
    page->ApplyCommand(&second);
    EXPECT_FALSE(page->QueryMenuCommand());
    EXPECT_EQ(log_, (std::vector<std::string>{"first start", "first step 0", "first delete", "second start",
                                              "second step 0"}));
    secondRuns = true;
    EXPECT_TRUE(page->QueryMenuCommand());
    log_.clear();
    page->FinishMenuCommand();
    EXPECT_EQ(log_, (std::vector<std::string>{"second finish", "second delete"}));
    EXPECT_FALSE(page->QueryMenuCommand());
    page->FinishMenuCommand();  // nothing held: nothing happens

    // The content fade has its own slot, stepped by the frame and let go of
    // once it stops.
    bool fadeRuns = true;
    CLogPageCommand fade(kKindPageOpacityFade, "fade", log_, &fadeRuns);
    CLogPageCommand other(10005, "other", log_, &fadeRuns);
    log_.clear();
    page->ApplyCommand(&fade);
    page->ApplyCommand(&other);  // another kind of the category is ignored
    host_.Update(30);
    fadeRuns = false;
    host_.Update(10);
    EXPECT_EQ(log_, (std::vector<std::string>{"fade start", "fade step 0", "fade step 30", "fade step 10",
                                              "fade delete"}));
    EXPECT_EQ(page->GetContentFade(), nullptr);
}

TEST_F(ScriptPageNodeTest, SwitchingThePageScriptOffStopsThePageOnly) {
    OpenScene("wait 30; if (@3 = 7) ;");
    CScriptPageNode* page = AddPage("wait 10; if (@2 = 1) ;");
    page->SetScriptEnabled(false);
    host_.Update(40);
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    EXPECT_EQ(ReadScriptVariable("@3"), 7);
    int childTime = 0;
    for (const NodeStep& step : recorder_->steps) childTime += step.ms;
    EXPECT_EQ(childTime, 40);  // the children go on
    page->SetScriptEnabled(true);  // the wait that was cut off is not taken up again
    host_.Update(1);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
}

TEST_F(ScriptPageNodeTest, ACopyKeepsFileSpeedAndContentButNothingElse) {
    OpenScene();
    CScriptPageNode* page = AddPage("wait 100;", 0.5);
    page->SetContentOpacity(0.25);
    std::unique_ptr<CNode> copy(page->Clone());
    auto* copied = static_cast<CScriptPageNode*>(copy.get());
    EXPECT_EQ(copied->GetFile(), "mn/Menu.txt");
    EXPECT_EQ(copied->GetTimeScale(), 0.5);
    EXPECT_EQ(copied->GetContentOpacity(), 0.25);
    EXPECT_TRUE(copied->GetChildren().empty());
    EXPECT_FALSE(copied->IsAnimating(kAnimatorScript));
    CTransform2D placed(0, 0, 1, 1, 1, 0);
    EXPECT_EQ(copied->GetTransform(&placed)->opacity, 0.25);
}

TEST_F(ScriptPageNodeTest, APageLoopWithoutAWaitEndsTheGame) {
    OpenScene();
    EXPECT_THROW(AddPage("label L; if (@2 += 1) ; goto L;"), CInternalError);
    ExpectOneBox(ErrorKind::Internal, kModuleScriptPageNode, 304);
    EXPECT_EQ(ReadScriptVariable("@2"), 500000);
}

}  // namespace
