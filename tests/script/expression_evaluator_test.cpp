#include "script/expression_evaluator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expression_cases.h"
#include "support/guarded_bytes.h"

#include "script/script_compiler.h"

namespace {

// @1 and @2 are the only assignable names; #count reads 7 and every other
// name reads 0.
int32_t g_at1;
int32_t g_at2;
int g_callbackCalls;

int32_t* TestAddress(std::string_view name) {
    ++g_callbackCalls;
    if (name == "@1") return &g_at1;
    if (name == "@2") return &g_at2;
    return nullptr;
}

int32_t TestRead(std::string_view name) {
    ++g_callbackCalls;
    return name == "#count" ? 7 : 0;
}

CExpressionEvaluator MakeEvaluator() {
    CExpressionEvaluator evaluator;
    evaluator.SetSigils("$@#");
    evaluator.SetAddressCallback(TestAddress);
    evaluator.SetReadCallback(TestRead);
    return evaluator;
}

void ExpectCases(const std::vector<ExpressionCase>& cases) {
    for (const ExpressionCase& c : cases) {
        SCOPED_TRACE(c.text);
        g_at1 = 10;
        g_at2 = 20;
        CExpressionEvaluator evaluator = MakeEvaluator();
        EXPECT_EQ(evaluator.Evaluate(c.text), c.result);
        EXPECT_EQ(evaluator.GetStatus(), c.status);
        EXPECT_EQ(g_at1, c.at1);
        EXPECT_EQ(g_at2, c.at2);
    }
}

TEST(ExpressionEvaluator, GrammarAndPrecedence) {
    ExpectCases(GrammarCases());
}

TEST(ExpressionEvaluator, AssignmentsAndSideEffectsInTextOrder) {
    ExpectCases(AssignmentCases());
}

TEST(ExpressionEvaluator, DivisionByZeroAndWrapAround) {
    ExpectCases(DivisionCases());
}

TEST(ExpressionEvaluator, NamesSigilsAndBytesAbove127) {
    ExpectCases(NameCases());
    // Without sigils "@" is an unexpected character.
    g_at1 = 10;
    CExpressionEvaluator plain;
    plain.SetAddressCallback(TestAddress);
    EXPECT_EQ(plain.Evaluate("3 @1"), 3);
    EXPECT_EQ(plain.GetStatus(), 0);
    // Without callbacks every name reads 0 and none is assignable.
    CExpressionEvaluator bare;
    bare.SetSigils("@");
    EXPECT_EQ(bare.Evaluate("@1+2"), 2);
    EXPECT_EQ(bare.Evaluate("@1=2"), 0);
    EXPECT_EQ(bare.GetStatus(), 3);
}

TEST(ExpressionEvaluator, NestingIsLimitedTo256Levels) {
    CExpressionEvaluator evaluator = MakeEvaluator();
    EXPECT_EQ(evaluator.Evaluate(NestedParentheses(256)), 1);
    EXPECT_EQ(evaluator.GetStatus(), 0);
    EXPECT_EQ(evaluator.Evaluate(NestedParentheses(257)), 0);
    EXPECT_EQ(evaluator.GetStatus(), 3);
    EXPECT_EQ(evaluator.Evaluate(Repeat("@1=", 256) + "6"), 6);
    EXPECT_EQ(evaluator.GetStatus(), 0);
    EXPECT_EQ(evaluator.Evaluate(Repeat("@1=", 257) + "6"), 0);
    EXPECT_EQ(evaluator.GetStatus(), 3);
    // Parentheses around a variable count as well.
    EXPECT_EQ(evaluator.Evaluate(Repeat("(", 256) + "@2" + Repeat(")", 256) + "=4"), 4);
    EXPECT_EQ(evaluator.Evaluate(Repeat("(", 257) + "@2" + Repeat(")", 257) + "=4"), 0);

    EXPECT_TRUE(evaluator.Check(NestedParentheses(256)));
    EXPECT_TRUE(evaluator.Check(Repeat("@1=", 256) + "6"));
    EXPECT_THROW(evaluator.Check(NestedParentheses(257)), CScriptSyntaxError);
    EXPECT_THROW(evaluator.Check(Repeat("@1=", 257) + "6"), CScriptSyntaxError);
    EXPECT_THROW(evaluator.Check("1+" + Repeat("(", 100000)), CScriptSyntaxError);
    // The evaluator is usable after a refused check.
    EXPECT_EQ(evaluator.Evaluate("@1=3"), 3);
}

TEST(ExpressionEvaluator, CheckCoversTheTextWithInertVariables) {
    for (const ScanCase& c : ScanCases()) {
        SCOPED_TRACE(c.text);
        g_at1 = 10;
        g_at2 = 20;
        g_callbackCalls = 0;
        CExpressionEvaluator evaluator = MakeEvaluator();
        EXPECT_TRUE(evaluator.Check(c.text));
        EXPECT_EQ(evaluator.GetScanLength(), c.length);
        EXPECT_EQ(evaluator.GetStatus(), c.status);
        // Inert: the variables and the callbacks are left alone.
        EXPECT_EQ(g_at1, 10);
        EXPECT_EQ(g_at2, 20);
        EXPECT_EQ(g_callbackCalls, 0);
        // The caller's callbacks are back afterwards.
        EXPECT_EQ(evaluator.Evaluate("@1=#count"), 7);
        EXPECT_EQ(g_at1, 7);
    }
}

TEST(ExpressionEvaluator, ReadsNothingPastTheText) {
    // Each text ends at the last byte of a readable page.
    const char* const texts[] = {"@1", "12", "@1+", "(", "1 <", "@1=", "++", "#", "\x82", "1 &", "@1++"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        const std::string bytes(text);
        CGuardedBytes guarded(std::vector<uint8_t>(bytes.begin(), bytes.end()));
        const std::string_view view(reinterpret_cast<const char*>(guarded.data()), guarded.size());
        CExpressionEvaluator evaluator = MakeEvaluator();
        evaluator.Evaluate(view);
        EXPECT_TRUE(evaluator.Check(view));
        EXPECT_LE(evaluator.GetScanLength(), static_cast<int>(bytes.size()));
    }
}

}  // namespace
