// The class node: its script beside the scene's, pages started by messages,
// the steering messages, a paused node's frozen subtree, paths relative to
// the node, a class replaced while it runs, and its two loop guards.
#include <gtest/gtest.h>

#include "platform/paths.h"
#include "scene/class_node.h"
#include "script/node_commands.h"
#include "script/small_statements.h"
#include "../script/scene_fixtures.h"

namespace {

class ClassNodeTest : public testing::Test {
protected:
    ClassNodeTest() {
        ClearRecordedErrors();
        for (const char* name : {"@2", "@3"}) SetVariable(name, 0);
        auto owned = std::make_unique<CScene>();
        scene_ = owned.get();
        host_.AttachScene(std::move(owned));
    }

    // Compiles the classes of text into the scene's class cache.
    void DefineClasses(const std::string& text) {
        CScriptUnit ignored;
        EXPECT_TRUE(CompiledClean(CompileGuarded(text, ignored, *scene_->GetClassCache(), "S/Classes.txt")));
    }

    // A class node of the class added under the canvas as name, and reset.
    CClassNode* Create(const std::string& className, const std::string& name = "Actor") {
        auto* node = new CClassNode(0, 0, 0, className);
        scene_->GetRootNode()->AddChild(name, node);
        node->Reset();
        return node;
    }

    std::vector<std::string> log_;
    CSceneHost host_;
    CScene* scene_ = nullptr;
};

TEST_F(ClassNodeTest, MainRunsUpToItsWaitAndOnInTheFrameThatEndsIt) {
    DefineClasses("class Walker { method Main { if (@3 = 1) ; wait 500; if (@2 = 1) ; } }");
    CClassNode* node = Create("Walker");
    EXPECT_EQ(ReadScriptVariable("@3"), 1);
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    EXPECT_TRUE(node->IsAnimating(kAnimatorScript));
    EXPECT_TRUE(node->IsAnimating(kAnimatorAny));
    EXPECT_FALSE(node->IsAnimating(kAnimatorPosition));
    EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorScript), 4294967295u);
    EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorPosition), 0u);

    host_.Update(300);
    host_.Update(199);
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    host_.Update(1);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    EXPECT_FALSE(node->IsAnimating(kAnimatorAny));
    EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorAny), 0u);
    EXPECT_EQ(node->GetNodeKind(), kNodeKindClass);
}

TEST_F(ClassNodeTest, AMessageNamingAPageAbandonsMain) {
    DefineClasses(
        "class Walker { method Main { wait 500; if (@2 = 1) ; }"
        " method Turn { if (@3 = 1) ; wait 100; if (@3 = 2) ; } }");
    CClassNode* node = Create("Walker");
    scene_->GetRootNode()->Request("Actor", "Turn");
    EXPECT_EQ(ReadScriptVariable("@3"), 1);  // at once, inside the delivery
    scene_->GetRootNode()->Request("Actor", "NoSuchPage");
    host_.Update(600);
    EXPECT_EQ(ReadScriptVariable("@3"), 2);
    EXPECT_EQ(ReadScriptVariable("@2"), 0);  // Main never resumes
    EXPECT_FALSE(node->IsAnimating(kAnimatorScript));
}

TEST_F(ClassNodeTest, LockedNodesHearOnlyRelease) {
    DefineClasses("class Walker { method Main { } method Turn { if (@3 = 1) ; } }");
    CClassNode* node = Create("Walker");
    for (const char* message : {"#Lock", "#Pause", "Turn", "#Lock", "#Release"}) node->ReceiveMessage(message);
    EXPECT_FALSE(node->IsPaused());
    EXPECT_FALSE(node->IsLocked());
    EXPECT_EQ(ReadScriptVariable("@3"), 0);
    node->ReceiveMessage("#Pause");
    EXPECT_TRUE(node->IsPaused());
    node->ReceiveMessage("#Play");
    EXPECT_FALSE(node->IsPaused());
}

TEST_F(ClassNodeTest, APausedNodeFreezesItsScriptAndChildren) {
    DefineClasses("class Walker { method Main { wait 100; if (@2 = 1) ; wait 1000; } }");
    CClassNode* node = Create("Walker");
    auto* child = new CRecordingNode;
    node->AddChild("Child", child);
    child->Reset();

    node->ReceiveMessage("#Pause");
    host_.Update(150);
    EXPECT_TRUE(child->steps.empty());
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    node->ReceiveMessage("#Play");
    host_.Update(150);
    EXPECT_EQ(child->steps, (std::vector<NodeStep>{{100, 0}, {50, 1}}));
}

TEST_F(ClassNodeTest, ANodeWithoutAClassNameRunsNothing) {
    CClassNode* node = Create("");
    EXPECT_FALSE(node->IsAnimating(kAnimatorScript));
    EXPECT_FALSE(node->IsAnimating(kAnimatorAny));
    host_.Update(17);
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(ClassNodeTest, PathsInAClassScriptStartAtTheNode) {
    auto page = std::make_unique<CScriptPage>();
    page->AppendAt("Child", std::make_unique<CSetHitableCommand>(false));
    page->Append(std::make_unique<CLogStatement>("W", log_));
    auto unit = std::make_shared<CScriptUnit>();
    unit->AddPage("Main", std::move(page));
    scene_->GetClassCache()->Insert("Setter", unit);

    auto* outer = new CSceneNode(0, 0, 0);
    scene_->GetRootNode()->AddChild("Child", outer);
    auto* node = new CClassNode(0, 0, 0, "Setter");
    scene_->GetRootNode()->AddChild("Actor", node);
    auto* inner = new CSceneNode(0, 0, 0);
    node->AddChild("Child", inner);
    node->Reset();
    EXPECT_FALSE(inner->IsHitEnabled());
    EXPECT_TRUE(outer->IsHitEnabled());
    // The class's statements run with the node as their host.
    ASSERT_NE(node->GetPendingStatement(), nullptr);
    EXPECT_EQ(scene_->GetPendingStatement(), nullptr);
}

TEST_F(ClassNodeTest, AClassReplacedWhileItsNodeRunsKeepsItsDefinitionUntilReset) {
    DefineClasses("class Walker { method Main { wait 100; if (@2 = 1) ; } method Turn { if (@3 = 1) ; } }");
    CClassNode* node = Create("Walker");
    DefineClasses("class Walker { method Main { wait 100; if (@2 = 9) ; } method Turn { if (@3 = 9) ; } }");
    host_.Update(100);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
    node->ReceiveMessage("Turn");
    EXPECT_EQ(ReadScriptVariable("@3"), 1);

    node->Reset();
    host_.Update(100);
    EXPECT_EQ(ReadScriptVariable("@2"), 9);
}

// A "far_call" in a class runs the other file's page, fetched through the
// scene's script cache; "call" and "shift" there stay in that file, and its
// end returns to the class's own page.
TEST_F(ClassNodeTest, AFarCallInAClassRunsThePageOfTheOtherFile) {
    auto other = std::make_shared<CScriptUnit>();
    ASSERT_TRUE(CompiledClean(CompileGuarded(
        "page Sub { if (@2 = 7) ; call Next; } page Next { if (@3 = 8) ; shift Last; }"
        " page Last { wait 100; if (@3 = 9) ; }",
        *other, *scene_->GetClassCache(), "S/Other.txt")));
    scene_->GetScriptCache()->Insert(NormalizePath("S/Other.txt"), other);
    DefineClasses(
        "class Caller { method Main { far_call \"Other.txt\", Sub; if (@2 += 100) ; }"
        " method Sub { if (@2 = 1) ; } method Next { if (@3 = 1) ; } method Last { if (@3 = 2) ; } }");
    CClassNode* node = Create("Caller");
    EXPECT_EQ(ReadScriptVariable("@2"), 7);
    EXPECT_EQ(ReadScriptVariable("@3"), 8);
    host_.Update(100);
    EXPECT_EQ(ReadScriptVariable("@3"), 9);
    EXPECT_EQ(ReadScriptVariable("@2"), 107);
    EXPECT_FALSE(node->IsAnimating(kAnimatorScript));
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(ClassNodeTest, AMissingClassIsFatal) {
    EXPECT_THROW(Create("Nobody"), CInternalError);
    ExpectOneBox(ErrorKind::Internal, kModuleClassNode, 54);
}

TEST_F(ClassNodeTest, AClassLoopWithoutAWaitEndsTheGame) {
    DefineClasses("class Spinner { method Main { label L; if (@2 += 1) ; goto L; } }");
    EXPECT_THROW(Create("Spinner"), CInternalError);
    ExpectOneBox(ErrorKind::Internal, kModuleClassNode, 291);
    EXPECT_EQ(ReadScriptVariable("@2"), 500000);
}

TEST_F(ClassNodeTest, APageThatRestartsItselfEndsTheGameInsteadOfTheStack) {
    auto page = std::make_unique<CScriptPage>();
    page->Append(std::make_unique<CRequestStatement>("", "Again"));
    auto unit = std::make_shared<CScriptUnit>();
    unit->AddPage("Main", std::make_unique<CScriptPage>());
    unit->AddPage("Again", std::move(page));
    scene_->GetClassCache()->Insert("Echo", unit);
    CClassNode* node = Create("Echo");
    EXPECT_THROW(node->ReceiveMessage("Again"), CInternalError);
    ExpectOneBox(ErrorKind::Internal, kModuleClassNode, 291);
}

TEST_F(ClassNodeTest, ACopyKeepsTheClassNameAndRunsItsOwnScript) {
    DefineClasses("class Walker { method Main { wait 100; if (@2 += 1) ; } }");
    CClassNode* node = Create("Walker");
    std::unique_ptr<CNode> copy(node->Clone());
    auto* copied = static_cast<CClassNode*>(copy.get());
    EXPECT_EQ(copied->GetClassName(), "Walker");
    scene_->GetRootNode()->AddChild("Second", copy.release());
    copied->Reset();
    host_.Update(100);
    EXPECT_EQ(ReadScriptVariable("@2"), 2);  // both ran their own Main
}

}  // namespace
