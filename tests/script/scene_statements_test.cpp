// The flow, scene and small statements, the node commands and the data
// actions: their codes, what the parser builds from their rows, their
// syntax errors, and what they do when a scene runs them.
#include <gtest/gtest.h>

#include "media/sound_available.h"
#include "platform/frame_clock_flags.h"
#include "platform/paths.h"
#include "scene/scene_node.h"
#include "script/conditional_jump.h"
#include "script/data_actions.h"
#include "script/flow_statements.h"
#include "script/node_commands.h"
#include "script/pack_color.h"
#include "script/script_command_kind.h"
#include "script/scene_statements.h"
#include "script/small_statements.h"
#include "scene_fixtures.h"

namespace {

// A record as a short text: "<name>:<fields>", or "?" for what no row of
// these builds, "@path" prefixed when the record has a target path.
std::string Describe(const CStatementRecord& record) {
    const CScriptCommand& command = *record.command;
    std::string text = record.targetPath.empty() ? "" : "@" + record.targetPath + " ";
    const int category = command.GetCategory();
    switch (command.GetKind()) {
        case kKindShift:
            return text + "shift:" + static_cast<const CShiftStatement&>(command).Page() + ":" + std::to_string(category);
        case kKindCall:
            return text + "call:" + static_cast<const CCallStatement&>(command).Page() + ":" + std::to_string(category);
        case kKindFarCall: {
            const auto& farCall = static_cast<const CFarCallStatement&>(command);
            return text + "far_call:" + farCall.File() + "," + farCall.Page() + ":" + std::to_string(category);
        }
        case kKindReturn: return text + "return:" + std::to_string(category);
        case kKindWait:
            return text + "wait:" + std::to_string(static_cast<const CWaitStatement&>(command).Milliseconds()) + ":" +
                   std::to_string(category);
        case kKindSceneCall:
        case kKindSceneShift: {
            const auto& scene = static_cast<const CSceneSwitchStatement&>(command);
            return text + (command.GetKind() == kKindSceneCall ? "scene_call:" : "scene_shift:") +
                   scene.Prototype().GetScriptName() + ":" + std::to_string(category) +
                   (scene.IsInstant() ? "" : " not instant");
        }
        case kKindSceneReturn: return text + "scene_return:" + std::to_string(category);
        default: return "?";
    }
}

std::vector<std::string> Compile(const std::string& body) {
    CScriptUnit unit;
    CScriptCache classes;
    EXPECT_TRUE(CompiledClean(CompileGuarded("page Main { " + body + " }", unit, classes))) << body;
    std::vector<std::string> out;
    CScriptPage* page = unit.FindPage("Main");
    if (!page) return out;
    for (const CStatementRecord& record : page->Records()) out.push_back(Describe(record));
    return out;
}

TEST(SceneStatementRows, EachRowBuildsItsRecord) {
    struct Case {
        const char* source;
        std::vector<std::string> records;
    };
    // File names are resolved against the script's folder.
    const Case cases[] = {
        {"shift Other;", {"shift:Other:20"}},
        {"call Other;", {"call:Other:20"}},
        {"far_call \"Far.txt\", Other;", {"far_call:" + NormalizePath("S/Far.txt") + ",Other:20"}},
        {"return;", {"return:20"}},
        {"wait 500;", {"wait:500:20"}},
        {"Wait(500);", {"wait:500:20"}},
        {"wait -5;", {"wait:-5:20"}},
        {"Wait(oops);", {"wait:0:20"}},  // an unreadable argument is left at 0
        {"scene_call \"Sub.txt\";", {"scene_call:" + NormalizePath("S/Sub.txt") + ":19"}},
        {"scene_shift \"Next.txt\";", {"scene_shift:" + NormalizePath("S/Next.txt") + ":19"}},
        {"scene_return;", {"scene_return:19"}},
        {"Scene_call \"Sub.txt\"; Return;", {}},  // case counts: unknown words are skipped
    };
    for (const Case& c : cases) EXPECT_EQ(Compile(c.source), c.records) << c.source;
}

TEST(SceneStatementRows, SyntaxErrorsEndTheCompile) {
    const char* sources[] = {
        "shift ;",           "shift Other",        "shift \"Other\";",   "call ;",
        "call Other",        "far_call Other;",    "far_call \"F.txt\" Other;", "far_call \"F.txt\";",
        "far_call \"F.txt\", ;", "far_call \"F.txt\", Other", "far_call \"F.txt\") Other;", "return",
        "return 1;",         "wait (500);",        "wait 500",           "wait ;",
        "Wait 500;",         "Wait(500;",          "Wait(500)",          "Wait(500, 1);",
        "scene_call Sub;",   "scene_call \"S.txt\"", "scene_shift ;",    "scene_shift \"S.txt\" ,",
        "scene_return",      "scene_return now;",
    };
    for (const char* source : sources) {
        CScriptUnit unit;
        CScriptCache classes;
        EXPECT_TRUE(FailedWith(CompileGuarded(std::string("page Main { ") + source + " }", unit, classes),
                               ErrorKind::Script, kModuleScriptCompiler, 99))
            << source;
    }
}

TEST(SceneStatementRows, SoundStatementsAreAppendedOnlyWithASoundDevice) {
    const bool previous = IsSoundAvailable();
    CScriptPage page;
    SetSoundAvailable(false);
    CScriptCompiler::AppendSoundStatement(page, std::make_unique<CPlayCDCommand>(3));
    EXPECT_EQ(page.Size(), 0u);
    SetSoundAvailable(true);
    CScriptCompiler::AppendSoundStatement(page, std::make_unique<CPlayCDCommand>(3));
    EXPECT_EQ(page.Size(), 1u);
    SetSoundAvailable(previous);
}

TEST(CommandCodes, EachClassAnswersItsCategoryAndKind) {
    std::vector<std::pair<std::unique_ptr<CScriptCommand>, std::pair<int, int>>> commands;
    auto add = [&](CScriptCommand* command, int category, int kind) {
        commands.emplace_back(std::unique_ptr<CScriptCommand>(command), std::make_pair(category, kind));
    };
    add(new CCreateNodeCommand(std::make_unique<CSceneNode>(0, 0, 0), "A"), 1, 1000);
    add(new CDeleteNodeCommand("A"), 1, 1001);
    add(new CSetHitableCommand(true), 1, 1014);
    add(new CPlayCDCommand(2), 17, 2009);
    add(new CWaitStatement(1), 20, 3000);
    add(new CCallStatement("P"), 20, 3001);
    add(new CFarCallStatement("F", "P"), 20, 3002);
    add(new CShiftStatement("P"), 20, 3003);
    add(new CReturnStatement, 20, 3005);
    add(new CSceneShiftStatement(std::make_unique<CScene>()), 19, 4000);
    add(new CSceneCallStatement(std::make_unique<CScene>()), 19, 4001);
    add(new CSceneReturnStatement, 19, 4002);
    add(new CSetTimeCriticalStatement(true), 19, 4003);
    add(new CDrawStatement, 19, 4004);
    add(new CRequestStatement("A", "m"), 19, 4011);
    add(new CSystemStatement("e"), 19, 4012);
    add(new CSoundUnsynchronizeStatement, 19, 4016);
    add(new CSetChipAction(1, 2, 3, 4), 7, 10005);
    add(new CAddTextAction("t"), 12, 10007);
    add(new CClearTextAction, 12, 10008);
    for (const auto& entry : commands) {
        EXPECT_EQ(entry.first->GetCategory(), entry.second.first) << entry.second.second;
        EXPECT_EQ(entry.first->GetKind(), entry.second.second);
        if (entry.second.first == kCategoryStatement) {
            auto* statement = static_cast<CScriptStatement*>(entry.first.get());
            EXPECT_TRUE(statement->IsInstant()) << entry.second.second;
            EXPECT_EQ(statement->Clone()->GetKind(), entry.second.second);
        }
    }
}

TEST(CommandCodes, PackColorPutsTheFirstByteHighest) {
    EXPECT_EQ(PackColor(255, 255, 255, 255), 0xFFFFFFFFu);
    EXPECT_EQ(PackColor(0x12, 0x34, 0x56, 0x78), 0x12345678u);
    CSetChipAction chip(-1, 2, 300, 4);
    EXPECT_EQ(chip.Value(0), -1);
    EXPECT_EQ(chip.Value(2), 300);
}

// Counts the nodes of its kind that exist and the Resets they received.
class CCountedNode : public CSceneNode {
public:
    CCountedNode() : CSceneNode(0, 0, 0) { ++alive; }
    ~CCountedNode() override { --alive; }
    CNode* Clone() override { return new CCountedNode(*this); }
    void Reset() override {
        ++resets;
        CSceneNode::Reset();
    }
    static int alive;
    static int resets;

private:
    CCountedNode(const CCountedNode& other) : CSceneNode(other) { ++alive; }
};
int CCountedNode::alive = 0;
int CCountedNode::resets = 0;

class NodeCommandTest : public testing::Test {
protected:
    NodeCommandTest() {
        ClearRecordedErrors();
        CCountedNode::resets = 0;
        root_.Reset();
    }
    CSceneNode root_{0, 0, 0};
};

TEST_F(NodeCommandTest, CreateAddsACopyWithItsSubtreeAndResetsItOnce) {
    auto prototype = std::make_unique<CCountedNode>();
    prototype->AddChild("Inner", new CCountedNode);
    CCreateNodeCommand create(std::move(prototype), "Made");
    const int before = CCountedNode::alive;
    create.Apply(root_);
    EXPECT_EQ(CCountedNode::alive, before + 2);
    ASSERT_NE(root_.FindNode("Made/Inner"), nullptr);
    EXPECT_NE(root_.FindNode("Made"), &create.Prototype());
    EXPECT_EQ(CCountedNode::resets, 1);
    EXPECT_TRUE(root_.FindNode("Made")->IsLive());
}

TEST_F(NodeCommandTest, ATakenNameIsFatalUntilTheNodeIsDeleted) {
    CCreateNodeCommand create(std::make_unique<CCountedNode>(), "Made");
    CDeleteNodeCommand remove("Made");
    create.Apply(root_);
    const int alive = CCountedNode::alive;
    EXPECT_THROW(create.Apply(root_), CInternalError);
    ExpectOneBox(ErrorKind::Internal, kModuleNode, 467);
    EXPECT_EQ(CCountedNode::alive, alive);  // the refused copy is not kept

    remove.Apply(root_);
    EXPECT_EQ(root_.FindNode("Made"), nullptr);
    create.Apply(root_);
    EXPECT_NE(root_.FindNode("Made"), nullptr);
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(NodeCommandTest, ACopyThatCannotBePlacedIsDeletedNotReset) {
    CCreateNodeCommand create(std::make_unique<CCountedNode>(), "../Above");
    const int alive = CCountedNode::alive;
    create.Apply(root_);
    EXPECT_EQ(CCountedNode::alive, alive);
    EXPECT_EQ(CCountedNode::resets, 0);
}

TEST_F(NodeCommandTest, DeleteTakesEveryNodeItsPatternReaches) {
    for (const char* name : {"A1", "A2", "B1"}) root_.AddChild(name, new CSceneNode(0, 0, 0));
    CDeleteNodeCommand("A*").Apply(root_);
    EXPECT_EQ(root_.GetChildren().size(), 1u);
    EXPECT_NE(root_.FindNode("B1"), nullptr);
}

TEST_F(NodeCommandTest, SetHitableAndTheDataActionsOnAPlainNode) {
    CSetHitableCommand(false).Apply(root_);
    EXPECT_FALSE(root_.IsHitEnabled());
    CSetHitableCommand(true).Apply(root_);
    EXPECT_TRUE(root_.IsHitEnabled());

    // Chip and text actions are for other kinds: a plain node changes nothing.
    root_.CommitDirty();
    CSetChipAction chip(0, 0, 10, 10);
    CAddTextAction text("x");
    root_.ApplyCommand(&chip);
    root_.ApplyCommand(&text);
    EXPECT_FALSE(root_.IsDirty());
    EXPECT_FALSE(root_.IsAnimating(kAnimatorAny));
}

// A scene that notes its events.
class CEventScene : public CScene {
public:
    void OnEvent(std::string name) override { events.push_back(name); }
    std::vector<std::string> events;
};

// Notes the messages it receives.
class CMessageNode : public CSceneNode {
public:
    CMessageNode() : CSceneNode(0, 0, 0) {}
    void ReceiveMessage(std::string name) override { messages.push_back(name); }
    std::vector<std::string> messages;
};

TEST(SmallStatements, TheyActOnTheFrameClockTheTreeAndTheEvents) {
    FrameClockFlags() = CFrameClockFlags();
    CSceneHost host;
    auto owned = std::make_unique<CEventScene>();
    CEventScene* scene = owned.get();
    host.AttachScene(std::move(owned));
    auto* node = new CMessageNode;
    scene->GetRootNode()->AddChild("N", node);

    CSetTimeCriticalStatement(true).Execute(scene);
    EXPECT_TRUE(FrameClockFlags().timeCritical);
    CSetTimeCriticalStatement(false).Execute(scene);
    EXPECT_FALSE(FrameClockFlags().timeCritical);

    FrameClockFlags().musicSync = true;
    CSoundUnsynchronizeStatement().Execute(scene);
    EXPECT_FALSE(FrameClockFlags().musicSync);

    CRequestStatement("N", "Hello").Execute(scene);
    CRequestStatement("Nobody", "Hello").Execute(scene);
    EXPECT_EQ(node->messages, (std::vector<std::string>{"Hello"}));

    CSystemStatement("OnOpen").Execute(scene);
    EXPECT_EQ(scene->events, (std::vector<std::string>{"OnOpen"}));

    // CD commands have no receiver: the scene ignores them.
    CPlayCDCommand cd(4);
    scene->Execute("", &cd);
    EXPECT_EQ(cd.Track(), 4);
}

TEST(SmallStatements, DrawEndsTheScriptsRunForTheFrame) {
    FrameClockFlags() = CFrameClockFlags();
    SetVariable("@2", 0);
    std::vector<std::unique_ptr<CScriptCommand>> commands;
    commands.push_back(std::make_unique<CDrawStatement>());
    commands.push_back(std::make_unique<CConditionalJump>("@2 = 1", 0));
    CSceneHost host;
    auto owned = SceneWithUnit(UnitOfPage(std::move(commands)));
    host.AttachScene(std::move(owned));
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    EXPECT_TRUE(FrameClockFlags().shortStepOnce);
    host.Update(17);
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
}

}  // namespace
