#include "script/expression_evaluator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/guarded_bytes.h"

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

struct Case {
    std::string text;
    int32_t result;
    int status;
    int32_t at1;  // after, from 10
    int32_t at2;  // after, from 20
};

void ExpectCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
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

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

std::string NestedParentheses(int levels) { return Repeat("(", levels) + "1" + Repeat(")", levels); }

TEST(ExpressionEvaluator, GrammarAndPrecedence) {
    ExpectCases({
        {"", 0, 1, 10, 20},
        {"   ", 0, 0, 10, 20},
        {"1+2*3", 7, 0, 10, 20},
        {"(1+2)*3", 9, 0, 10, 20},
        {"10-4-3", 3, 0, 10, 20},
        {"7/2", 3, 0, 10, 20},
        {"-7/2", -3, 0, 10, 20},
        {"-7%3", -1, 0, 10, 20},
        {"7%-3", 1, 0, 10, 20},
        {"5", 5, 0, 10, 20},
        {"5&&1", 1, 0, 10, 20},
        {"5&&0", 0, 0, 10, 20},
        {"0||7", 1, 0, 10, 20},
        {"0||0", 0, 0, 10, 20},
        {"1 || 0 && 0", 1, 0, 10, 20},
        {"2<3", 1, 0, 10, 20},
        {"3<=2", 0, 0, 10, 20},
        {"3>=3", 1, 0, 10, 20},
        {"3>4", 0, 0, 10, 20},
        {"3==3", 1, 0, 10, 20},
        {"3!=3", 0, 0, 10, 20},
        {"1+1==2", 1, 0, 10, 20},
        {"1<2<3", 0, 3, 10, 20},
        {"!0", 1, 0, 10, 20},
        {"!5", 0, 0, 10, 20},
        {"+5", 5, 0, 10, 20},
        {"1,2", 2, 0, 10, 20},
        {"(1,2)*3", 6, 0, 10, 20},
        {"(1+2", 3, 0, 10, 20},
        {"(1]", 1, 0, 10, 20},  // the closing token is not compared
        {"!(1)", 0, 3, 10, 20},
        {"!!1", 0, 3, 10, 20},
        {"-(1+2)", 0, 3, 10, 20},
        {"1 ? 2", 1, 0, 10, 20},
        {"\t1\n+\n2", 3, 0, 10, 20},
        {"1\r\n+2", 1, 0, 10, 20},  // a CR is no blank: it ends the text
        {"x=1", 0, 3, 10, 20},
        {"#count*2", 14, 0, 10, 20},
        {"@1;", 0, 3, 10, 20},
    });
}

TEST(ExpressionEvaluator, AssignmentsAndSideEffectsInTextOrder) {
    ExpectCases({
        {"@1=4, @1*2", 8, 0, 4, 20},
        {"@1=@2=3", 3, 0, 3, 3},
        {"@1+=2", 12, 0, 12, 20},
        {"@1-=3", 7, 0, 7, 20},
        {"@1*=3", 30, 0, 30, 20},
        {"@1/=3", 3, 0, 3, 20},
        {"@1%=3", 1, 0, 1, 20},
        {"@1+=@2-=5", 25, 0, 25, 15},
        {"(@1)=5", 5, 0, 5, 20},
        {"((@2))+=1", 21, 0, 10, 21},
        {"@1++", 10, 0, 11, 20},
        {"@1--", 10, 0, 9, 20},
        {"++@1", 11, 0, 11, 20},
        {"--@1", 9, 0, 9, 20},
        {"-(@1)", -10, 0, 10, 20},
        {"++3", 0, 3, 10, 20},       // no variable: 0, the 3 is left
        {"@1++ + @1", 21, 0, 11, 20},
        {"0 && (@1=5)", 0, 0, 5, 20},   // no short-circuit
        {"1 || (@2=5)", 1, 0, 10, 5},
        {"@1=1; @2=2", 0, 3, 1, 20},
        {"@1 @2=1", 0, 3, 10, 20},
    });
}

TEST(ExpressionEvaluator, DivisionByZeroAndWrapAround) {
    const std::string smallest = "(@1=-2147483647-1)";
    ExpectCases({
        {"10/0+1", 1, 0, 10, 20},
        {"10/0*3", 0, 3, 10, 20},  // the term ends at the zero divisor
        {"10%0", 0, 0, 10, 20},
        {"@1/=0", 0, 0, 0, 20},
        {"@1%=0", 0, 0, 0, 20},
        {"2147483647+1", -2147483647 - 1, 0, 10, 20},
        {"-2147483647-2", 2147483647, 0, 10, 20},
        {"65536*65536", 0, 0, 10, 20},
        {"65536*32768", -2147483647 - 1, 0, 10, 20},
        {smallest + "/-1", -2147483647 - 1, 0, -2147483647 - 1, 20},
        {smallest + "%-1", 0, 0, -2147483647 - 1, 20},
        {smallest + ",@1/=-1", -2147483647 - 1, 0, -2147483647 - 1, 20},
        {smallest + ",@1%=-1", 0, 0, 0, 20},
        {smallest + ",-@1", -2147483647 - 1, 0, -2147483647 - 1, 20},
        {smallest + ",@1--", -2147483647 - 1, 0, 2147483647, 20},
        {"@1=2147483647, ++@1", -2147483647 - 1, 0, -2147483647 - 1, 20},
        {"@1=2147483647, @1+=1", -2147483647 - 1, 0, -2147483647 - 1, 20},
        {"@1=65536, @1*=65536", 0, 0, 0, 20},
        // Literals saturate instead of wrapping.
        {"99999999999", 2147483647, 0, 10, 20},
        {"2147483648", 2147483647, 0, 10, 20},
        {"123456789012345678901234567890 == 2147483647", 1, 0, 10, 20},
    });
}

TEST(ExpressionEvaluator, NamesSigilsAndBytesAbove127) {
    ExpectCases({
        {"@1\x82\xa0", 10, 0, 10, 20},    // a Shift-JIS pair ends the name and the text
        {"1+\x82\xa0", 1, 0, 10, 20},     // in operand position: 0
        {"@1x", 0, 0, 10, 20},            // one name "@1x", not assignable
        {"_a1=1", 0, 3, 10, 20},
    });
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
    struct ScanCase {
        std::string text;
        int length;  // of the text the scan covers
        int status;
    };
    const ScanCase cases[] = {
        {"@1 == 1) {", 7, 3},
        {"(@1 = 0) + 10 / @1 * 2) {", 22, 3},  // a zero divisor does not end a checked term
        {"10/0*3", 6, 0},
        {"  1 + 2  ", 7, 0},
        {"1 + 2\r\n}", 5, 0},
        {"@1=1, @2++; x", 10, 3},
        {"1 + ;", 5, 0},           // an operator in operand position is taken
        {"#a && $b || !@c", 15, 0},
        {"1 < 2 < 3", 5, 3},
        {"\x82\xa0", 0, 0},
        {"", 0, 1},
    };
    for (const ScanCase& c : cases) {
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
