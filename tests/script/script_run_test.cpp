// Compiled loops and branches run by a host: the variables they leave.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "script/script_variables.h"
#include "script_test_host.h"

namespace {

void ClearVariables() {
    for (int i = 0; i < 16; ++i) {
        *GetScriptVariableAddress("@" + std::to_string(i)) = 0;
        *GetScriptVariableAddress("$" + std::to_string(i)) = 0;
    }
}

struct RunCase {
    const char* name;
    const char* body;  // of page Main
    std::vector<std::pair<const char*, int>> values;
};

TEST(ScriptRun, CompiledStructuresLeaveTheirValues) {
    const RunCase cases[] = {
        {"for", "for(@1=0;@1<10;@1=@1+1) ;", {{"@1", 10}}},
        {"nested for",
         "for(@1=0;@1<4;@1=@1+1) for(@2=0;@2<5;@2=@2+1) for(;(@3=@3+1)<0;) ;",
         {{"@1", 4}, {"@2", 5}, {"@3", 20}}},
        {"while", "while((@5=@5+2)<9) ;", {{"@5", 10}}},
        {"do runs its body first", "do for($1=$1+1;0;) ; while(0)", {{"$1", 1}}},
        {"do", "do for(@4=@4+1;0;) ; while(@4<7)", {{"@4", 7}}},
        {"if", "for(@1=3;0;) ; if(@1==3) for($6=1;0;) ; else for($6=2;0;) ;", {{"@1", 3}, {"$6", 1}}},
        {"else", "if(@1==3) for($6=1;0;) ; else for($6=2;0;) ;", {{"$6", 2}}},
        // The goto in the body of the "if" sees no label: it restarts the page.
        {"a goto in a body", "for(@10=@10+1;0;) ; label top; for(@7=@7+1;0;) ; if(@7<3) goto top;",
         {{"@10", 3}, {"@7", 3}}},
        {"blocks in loops", "while(@1<3) { for(@1=@1+1;0;) ; { for($2=$2+@1;0;) ; } }", {{"@1", 3}, {"$2", 6}}},
        {"a 30-digit number saturates", "for(@9=123456789012345678901234567890;0;) ;", {{"@9", INT_MAX}}},
    };
    CTestScriptHost host;
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        ClearVariables();
        EXPECT_GT(host.Run(std::string("page Main {") + c.body + "}"), 0);
        EXPECT_TRUE(host.GetExecutor()->IsFinished());
        for (const auto& value : c.values) EXPECT_EQ(ReadScriptVariable(value.first), value.second) << value.first;
    }
    ClearVariables();
}

// A branch table of 1,000 "else if" branches and a last "else": each
// value of @1 takes its own branch and only that one.
TEST(ScriptRun, ALongElseIfChainChoosesEachBranch) {
    constexpr int kBranches = 1000;
    std::string source = "page Main {";
    for (int i = 0; i < kBranches; ++i) {
        source += "if(@1==" + std::to_string(i) + ") for(@2=@2+" + std::to_string(i + 1) + ";0;) ; else ";
    }
    source += "for(@2=@2-1;0;) ; }";
    auto unit = std::make_shared<CScriptUnit>();
    CScriptCache classes;
    ASSERT_TRUE(CompiledClean(CompileGuarded(source, *unit, classes)));
    CTestScriptHost host;
    for (int chosen = 0; chosen <= kBranches; ++chosen) {
        ClearVariables();
        *GetScriptVariableAddress("@1") = chosen;
        ASSERT_GT(host.RunUnit(unit), 0) << chosen;
        ASSERT_EQ(ReadScriptVariable("@2"), chosen < kBranches ? chosen + 1 : -1) << chosen;
    }
    ClearVariables();
}

TEST(ScriptRun, AnEmptyForConditionLoopsUntilSomethingLeavesThePage) {
    CTestScriptHost host;
    EXPECT_EQ(host.Run("page Main { for(;;) ; }", 10000), -1);
}

TEST(ScriptRun, AVariableNumberTooLargeCompilesAndFailsWhenRun) {
    CTestScriptHost host;
    CScriptUnit unit;
    CScriptCache classes;
    ASSERT_TRUE(CompiledClean(CompileGuarded("page Main { if(@99999999999 == 1) ; }", unit, classes)));
    EXPECT_THROW(host.Run("page Main { if(@99999999999 == 1) ; }"), CInternalError);
    ExpectOneBox(ErrorKind::Internal, 2014, 32);
}

}  // namespace
