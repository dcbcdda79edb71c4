#include "script/script_variables.h"

#include <gtest/gtest.h>

#include <string>

#include "expression_cases.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "script/condition_evaluator.h"
#include "support/error_recorder.h"

namespace {

class ScriptVariables : public testing::Test {
protected:
    void SetUp() override {
        GetPlayData().vars.values.fill(0);
        GetSavedPlayData().vars.values.fill(0);
        GetSystemData().vars.values.fill(0);
    }
    int32_t& Play(int n) { return GetPlayData().vars.values[static_cast<size_t>(n)]; }
    int32_t& System(int n) { return GetSystemData().vars.values[static_cast<size_t>(n)]; }
};

void ExpectVariableError(const std::string& name, int place) {
    SCOPED_TRACE(name);
    ClearRecordedErrors();
    EXPECT_THROW(GetScriptVariableAddress(name), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
    EXPECT_EQ(RecordedErrors()[0].module, 2014);
    EXPECT_EQ(RecordedErrors()[0].place, place);
}

TEST_F(ScriptVariables, NamesAddressThePlayAndSystemValues) {
    struct Case {
        const char* name;
        int32_t* expected;
    };
    const Case cases[] = {
        {"@5", &Play(5)},
        {"$5", &System(5)},
        {"@0", &Play(0)},
        {"@1023", &Play(1023)},
        {"$1023", &System(1023)},
        {"@x", &Play(0)},  // no digits: variable 0
        {"@", &Play(0)},
        {"$", &System(0)},
        {"@12abc", &Play(12)},  // digits up to the first other character
        {"@0000000000000000000012", &Play(12)},
        {"#3", nullptr},
        {"abc", nullptr},
        {"", nullptr},
        {"x@1", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GetScriptVariableAddress(c.name), c.expected);
    }
    EXPECT_TRUE(RecordedErrors().empty());
    // The live play data, not the copy kept for saving.
    EXPECT_NE(&GetPlayData(), &GetSavedPlayData());
    Play(7) = -3;
    System(1023) = 42;
    EXPECT_EQ(ReadScriptVariable("@7"), -3);
    EXPECT_EQ(ReadScriptVariable("$1023"), 42);
    EXPECT_EQ(ReadScriptVariable("#3"), 0);
    EXPECT_EQ(GetSavedPlayData().vars.values[7], 0);
}

TEST_F(ScriptVariables, NumbersFrom1024AreRefusedHoweverManyDigits) {
    ExpectVariableError("@1024", 32);
    ExpectVariableError("$1024", 42);
    ExpectVariableError("@99999", 32);
    ExpectVariableError("@4294967297", 32);   // would wrap to 1
    ExpectVariableError("$4294967296", 42);   // would wrap to 0
    ExpectVariableError("@99999999999999999999999999999", 32);
    // Reading goes through the same lookup.
    ClearRecordedErrors();
    EXPECT_THROW(ReadScriptVariable("$2000"), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].place, 42);
}

TEST_F(ScriptVariables, ConditionsReadAndWriteTheVariables) {
    Play(5) = 3;
    System(1023) = 9;
    for (const ConditionCase& c : ConditionCases()) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CConditionEvaluator::Evaluate(c.text), c.value);
    }
    EXPECT_EQ(CConditionEvaluator::Evaluate("@1=@1+1, @1++, $2=@1*10"), 20);
    EXPECT_EQ(Play(1), 2);
    EXPECT_EQ(System(2), 20);
    EXPECT_EQ(CConditionEvaluator::Evaluate("@1/=0"), 0);
    EXPECT_EQ(Play(1), 0);
    EXPECT_TRUE(RecordedErrors().empty());

    EXPECT_THROW(CConditionEvaluator::Evaluate("@99999999999 == 1"), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].module, 2014);
    EXPECT_EQ(RecordedErrors()[0].place, 32);
}

}  // namespace
