// The scene: script time interleaved with node time, statements at Open,
// pending statements, the runaway box, closing and opening again, scenes
// without a script and clones.
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "scene/scene_node.h"
#include "script/flow_statements.h"
#include "script/node_commands.h"
#include "scene_fixtures.h"

namespace {

class SceneTest : public testing::Test {
protected:
    void SetUp() override {
        ClearRecordedErrors();
        for (const char* name : {"@1", "@2", "@3"}) SetVariable(name, 0);
        FrameClockFlags() = CFrameClockFlags();
    }

    // Opens the scene as the host's current one with a recording node "Rec"
    // under its canvas.
    CScene* Open(std::unique_ptr<CScene> scene) {
        CScene* opened = scene.get();
        recorder_ = new CRecordingNode;
        opened->GetRootNode()->AddChild("Rec", recorder_);
        recorder_->Reset();
        host_.AttachScene(std::move(scene));
        return opened;
    }

    // Before the host: the statements the host's scenes hold log into it as
    // they are deleted.
    std::vector<std::string> log_;
    CSceneHost host_;
    CRecordingNode* recorder_ = nullptr;
};

struct InterleavingCase {
    const char* name;
    const char* script;
    std::vector<int> updates;
    std::vector<NodeStep> steps;
    int waitLeft;
};

TEST_F(SceneTest, ScriptTimeAndNodeTimeInterleave) {
    const InterleavingCase cases[] = {
        {"30 of a wait of 100", "page Main { wait 100; if (@2 = 1) ; }", {30}, {{30, 0}}, 70},
        {"250 around a wait of 100", "page Main { wait 100; if (@2 = 1) ; }", {250}, {{100, 0}, {150, 1}}, 0},
        {"two waits in one update", "page Main { wait 100; if (@2 = 1) ; wait 100; if (@2 = 2) ; }", {250},
         {{100, 0}, {100, 1}, {50, 2}}, 0},
        {"a wait longer than two updates", "page Main { wait 100; if (@2 = 1) ; wait 500; }", {60, 60},
         {{60, 0}, {40, 0}, {20, 1}}, 480},
        {"a finished script lets the tree run", "page Main { if (@2 = 1) ; }", {40}, {{40, 1}}, 0},
    };
    for (const InterleavingCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        CSceneHost host;
        CScene* scene = nullptr;
        {
            auto owned = SceneOfText(c.script);
            scene = owned.get();
            recorder_ = new CRecordingNode;
            scene->GetRootNode()->AddChild("Rec", recorder_);
            recorder_->Reset();
            host.AttachScene(std::move(owned));
        }
        EXPECT_TRUE(recorder_->steps.empty());
        for (int ms : c.updates) host.Update(ms);
        EXPECT_EQ(recorder_->steps, c.steps);
        EXPECT_EQ(scene->GetExecutor()->GetWait(), c.waitLeft);
    }
}

TEST_F(SceneTest, OpenRunsMainUpToItsFirstWait) {
    std::vector<std::unique_ptr<CScriptCommand>> commands;
    commands.push_back(std::make_unique<CCreateNodeCommand>(std::make_unique<CSceneNode>(0, 0, 0), "First"));
    commands.push_back(std::make_unique<CCreateNodeCommand>(std::make_unique<CSceneNode>(0, 0, 0), "Second"));
    commands.push_back(std::make_unique<CWaitStatement>(500));
    commands.push_back(std::make_unique<CCreateNodeCommand>(std::make_unique<CSceneNode>(0, 0, 0), "After"));
    CScene* scene = Open(SceneWithUnit(UnitOfPage(std::move(commands))));
    CNode* canvas = scene->GetRootNode();
    EXPECT_NE(canvas->FindNode("First"), nullptr);
    EXPECT_NE(canvas->FindNode("Second"), nullptr);
    EXPECT_EQ(canvas->FindNode("After"), nullptr);
    EXPECT_EQ(scene->GetExecutor()->GetWait(), 500);
    EXPECT_TRUE(FrameClockFlags().shortStepOnce);  // a scene that starts makes the next step short

    host_.Update(499);
    EXPECT_EQ(canvas->FindNode("After"), nullptr);
    host_.Update(1);
    EXPECT_NE(canvas->FindNode("After"), nullptr);
    EXPECT_TRUE(scene->IsScriptFinished());
}

TEST_F(SceneTest, ANonInstantStatementReplacesThePendingOne) {
    std::vector<std::string>& log = log_;
    {
        std::vector<std::unique_ptr<CScriptCommand>> commands;
        commands.push_back(std::make_unique<CLogStatement>("A", log));
        commands.push_back(std::make_unique<CLogStatement>("B", log));
        commands.push_back(std::make_unique<CWaitStatement>(10));
        CScene* scene = Open(SceneWithUnit(UnitOfPage(std::move(commands))));
        const std::vector<std::string> expected = {"A execute", "A update 0", "A stop", "A delete", "B execute"};
        ASSERT_GE(log.size(), expected.size());
        EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5), expected);
        ASSERT_NE(scene->GetPendingStatement(), nullptr);

        // The pending statement gets the script's time, split at the wait.
        log.clear();
        host_.Update(25);
        EXPECT_EQ(log, (std::vector<std::string>{"B update 10", "B update 15"}));
        log.clear();
    }
}

TEST_F(SceneTest, APendingStatementThatDropsItselfIsDeletedAfterItsUpdate) {
    std::vector<std::string>& log = log_;
    std::vector<std::unique_ptr<CScriptCommand>> commands;
    commands.push_back(std::make_unique<CLogStatement>("S", log, true));
    commands.push_back(std::make_unique<CWaitStatement>(100));
    CScene* scene = Open(SceneWithUnit(UnitOfPage(std::move(commands))));
    EXPECT_EQ(log, (std::vector<std::string>{"S execute", "S update 0", "S stop", "S after drop", "S delete"}));
    EXPECT_EQ(scene->GetPendingStatement(), nullptr);
}

TEST_F(SceneTest, ARunawayLoopEndsTheGameInTheUpdateOfItsMillionthStatement) {
    CScene* scene = Open(SceneOfText("page Main { wait 10; label L; if (@1 += 1) ; goto L; }"));
    EXPECT_EQ(ReadScriptVariable("@1"), 0);
    EXPECT_THROW(host_.Update(10), CInternalError);
    ExpectOneBox(ErrorKind::Internal, kModuleScene, 331);
    // The millionth statement is the goto of the 500,000th pass.
    EXPECT_EQ(ReadScriptVariable("@1"), 500000);
    EXPECT_FALSE(scene->IsScriptFinished());
}

TEST_F(SceneTest, ClosingAndOpeningAgainStartsMainAfreshFromTheArchive) {
    CBaseDirectoryScope base(GetProgramDirectory() + "script_fixture\\");
    auto owned = std::make_unique<CScene>("S/Count.txt");
    CScene* scene = owned.get();
    host_.AttachScene(std::move(owned));
    EXPECT_EQ(ReadScriptVariable("@3"), 1);
    const std::shared_ptr<CScriptUnit> first = scene->GetScriptCache()->Find("S/Count.txt");
    ASSERT_NE(first, nullptr);
    CNode* canvas = scene->GetRootNode();
    canvas->AddChild("Left", new CSceneNode(0, 0, 0));

    scene->Close();
    EXPECT_FALSE(scene->IsAttached());
    EXPECT_EQ(canvas->GetChildren().size(), 0u);
    EXPECT_EQ(scene->GetScriptCache()->Find("S/Count.txt"), nullptr);

    scene->Open(&host_);
    EXPECT_EQ(ReadScriptVariable("@3"), 2);
    EXPECT_EQ(canvas->FindNode("Left"), nullptr);
    const std::shared_ptr<CScriptUnit> second = scene->GetScriptCache()->Find("S/Count.txt");
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(scene->GetExecutor()->GetWait(), 1000);
}

TEST_F(SceneTest, ASceneWithoutAScriptRunsNothing) {
    auto owned = std::make_unique<CScene>();
    CScene* scene = owned.get();
    host_.AttachScene(std::move(owned));
    EXPECT_FALSE(scene->IsScriptFinished());
    EXPECT_FALSE(FrameClockFlags().shortStepOnce);
    host_.Update(17);
    EXPECT_TRUE(scene->IsScriptFinished());
    EXPECT_TRUE(RecordedErrors().empty());
}

// Turns its node to 30 degrees at once.
class CTurnAnimator : public CNodeAnimator {
public:
    int GetCategory() const override { return kCategoryRotationAnimator; }
    int GetKind() const override { return 1011; }
    void Start(CSceneNode& node) override { node.SetRotation(30); }
    void Step(CSceneNode&, int) override {}
    bool IsRunning() const override { return false; }
    CNodeAnimator* Clone() const override { return new CTurnAnimator; }
    unsigned GetTimeLeft() const override { return 0; }
};

TEST_F(SceneTest, ARotationWithoutAPathTurnsTheCanvasAsTheOtherAnimatorsDo) {
    CScene* scene = Open(std::make_unique<CScene>());
    CTurnAnimator turn;
    scene->Execute("", &turn);
    double degrees = 0;
    scene->GetRootNode()->GetRotation(&degrees);
    EXPECT_EQ(degrees, 30);
}

TEST_F(SceneTest, AClonesTreeExecutorAndPendingStatementAreItsOwn) {
    std::vector<std::string>& log = log_;
    std::vector<std::unique_ptr<CScriptCommand>> commands;
    commands.push_back(std::make_unique<CLogStatement>("P", log));
    commands.push_back(std::make_unique<CWaitStatement>(300));
    CScene* scene = Open(SceneWithUnit(UnitOfPage(std::move(commands))));
    scene->GetRootNode()->AddChild("Rec/Child", new CSceneNode(0, 0, 0));

    std::unique_ptr<CScene> clone = scene->Clone();
    CNode* copied = clone->GetRootNode()->FindNode("Rec/Child");
    ASSERT_NE(copied, nullptr);
    EXPECT_NE(copied, scene->GetRootNode()->FindNode("Rec/Child"));
    EXPECT_EQ(copied->GetOwner(), clone.get());
    EXPECT_EQ(copied->GetScene(), clone.get());
    EXPECT_EQ(clone->GetScriptCache()->Find("S/Main.txt"), scene->GetScriptCache()->Find("S/Main.txt"));
    EXPECT_EQ(clone->GetExecutor()->GetWait(), 300);
    ASSERT_NE(clone->GetPendingStatement(), nullptr);
    EXPECT_NE(clone->GetPendingStatement(), scene->GetPendingStatement());
    EXPECT_FALSE(clone->IsAttached());

    // Closing the source leaves the clone whole, and the clone runs on.
    scene->Close();
    EXPECT_NE(clone->GetRootNode()->FindNode("Rec/Child"), nullptr);
    log.clear();
    clone->RunScript(300);
    EXPECT_EQ(log, (std::vector<std::string>{"P update 300"}));
    EXPECT_TRUE(clone->IsScriptFinished());
}

}  // namespace
