#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "expression_cases.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "script/conditional_jump.h"
#include "script/expression_statement.h"
#include "script/jump_statement.h"
#include "script/script_command_kind.h"
#include "script/script_page.h"
#include "script/script_unit.h"
#include "script_test_host.h"
#include "support/error_recorder.h"

namespace {

class ConditionStatements : public testing::Test {
protected:
    void SetUp() override {
        GetPlayData().vars.values.fill(0);
        GetSystemData().vars.values.fill(0);
    }
    static int32_t& Play(int n) { return GetPlayData().vars.values[static_cast<size_t>(n)]; }

    // Runs the commands as the page "Main".
    static void RunPage(std::vector<std::unique_ptr<CScriptCommand>> commands) {
        auto page = std::make_unique<CScriptPage>();
        for (auto& command : commands) page->Append(std::move(command));
        auto unit = std::make_shared<CScriptUnit>();
        unit->AddPage("Main", std::move(page));
        CTestScriptHost host;
        EXPECT_GT(host.RunUnit(unit, 10000), 0);
    }

    // A conditional jump over two counters, then a statement it never skips:
    // @2 and @3 count the statements that ran.
    static void RunJumpOver(const std::string& condition, int skip) {
        std::vector<std::unique_ptr<CScriptCommand>> commands;
        commands.push_back(std::make_unique<CConditionalJump>(condition, skip));
        commands.push_back(std::make_unique<CExpressionStatement>("@2++"));
        commands.push_back(std::make_unique<CExpressionStatement>("@3++"));
        commands.push_back(std::make_unique<CExpressionStatement>("@4=1"));
        Play(2) = Play(3) = Play(4) = 0;
        RunPage(std::move(commands));
        EXPECT_EQ(Play(4), 1);
    }
};

TEST_F(ConditionStatements, ConditionalJumpSkipsWhenTheConditionIsZero) {
    Play(5) = 3;
    for (const JumpCase& c : JumpCases()) {
        SCOPED_TRACE(std::string(c.condition) + " skip " + std::to_string(c.skip));
        RunJumpOver(c.condition, c.skip);
        EXPECT_EQ(Play(2), c.ranSecond);
        EXPECT_EQ(Play(3), c.ranThird);
    }
}

TEST_F(ConditionStatements, ConditionsAreEvaluatedOnEveryRun) {
    // while (@1 < 5) { @1++; $1 += @1; } as the control structures lay it
    // out, with a counting step after it.
    std::vector<std::unique_ptr<CScriptCommand>> commands;
    commands.push_back(std::make_unique<CConditionalJump>("@1 < 5", 3));
    commands.push_back(std::make_unique<CExpressionStatement>("@1++"));
    commands.push_back(std::make_unique<CExpressionStatement>("$1 += @1"));
    commands.push_back(std::make_unique<CJumpStatement>(-4, true));
    commands.push_back(std::make_unique<CExpressionStatement>("@9 = @1 * 100"));
    RunPage(std::move(commands));
    EXPECT_EQ(Play(1), 5);
    EXPECT_EQ(GetSystemData().vars.values[1], 1 + 2 + 3 + 4 + 5);
    EXPECT_EQ(Play(9), 500);
}

TEST_F(ConditionStatements, ExpressionStatementOnlyHasItsSideEffects) {
    Play(1) = 41;
    CTestScriptHost host;
    CExpressionStatement increment("@1=@1+1");
    increment.Execute(&host);
    EXPECT_EQ(Play(1), 42);
    CExpressionStatement empty("");
    empty.Execute(&host);
    CExpressionStatement malformed("@1=1; @2=2");
    malformed.Execute(&host);
    EXPECT_EQ(Play(1), 1);
    EXPECT_EQ(Play(2), 0);
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(ConditionStatements, CodesInstantnessAndClones) {
    CConditionalJump jump("@1==2", 7);
    EXPECT_EQ(jump.GetCategory(), kCategoryStatement);
    EXPECT_EQ(jump.GetKind(), 4009);
    EXPECT_TRUE(jump.IsInstant());
    std::unique_ptr<CScriptStatement> jumpCopy = jump.Clone();
    auto* copied = dynamic_cast<CConditionalJump*>(jumpCopy.get());
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->Condition(), "@1==2");
    EXPECT_EQ(copied->Skip(), 7);

    CExpressionStatement expression("@3=4");
    EXPECT_EQ(expression.GetCategory(), kCategoryStatement);
    EXPECT_EQ(expression.GetKind(), 4014);
    EXPECT_TRUE(expression.IsInstant());
    std::unique_ptr<CScriptStatement> expressionCopy = expression.Clone();
    auto* copiedExpression = dynamic_cast<CExpressionStatement*>(expressionCopy.get());
    ASSERT_NE(copiedExpression, nullptr);
    EXPECT_EQ(copiedExpression->Text(), "@3=4");
    // The copy runs on its own.
    CTestScriptHost host;
    copiedExpression->Execute(&host);
    EXPECT_EQ(Play(3), 4);
}

TEST_F(ConditionStatements, AVariableOutOfRangeEndsTheGameWhenRun) {
    CTestScriptHost host;
    CConditionalJump system("$1024", 1);
    EXPECT_THROW(system.Execute(&host), CInternalError);
    CExpressionStatement play("@99999999999 = 1");
    EXPECT_THROW(play.Execute(&host), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 2u);
    EXPECT_EQ(RecordedErrors()[0].module, 2014);
    EXPECT_EQ(RecordedErrors()[0].place, 42);
    EXPECT_EQ(RecordedErrors()[1].module, 2014);
    EXPECT_EQ(RecordedErrors()[1].place, 32);
}

}  // namespace
