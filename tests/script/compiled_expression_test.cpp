#include "script/compiled_expression.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "expression_cases.h"
#include "platform/error_report.h"
#include "platform/global_state.h"
#include "platform/save_data.h"
#include "script/condition_evaluator.h"
#include "support/error_recorder.h"

namespace {

using Values = std::array<int32_t, kSaveValueCount>;

// Everything an evaluation can change or tell.
struct Outcome {
    int32_t result = 0;
    bool refused = false;  // CInternalError came out
    std::vector<std::array<int, 3>> boxes;  // kind, module, place
    Values play{};
    Values system{};
};

bool operator==(const Outcome& a, const Outcome& b) {
    return a.result == b.result && a.refused == b.refused && a.boxes == b.boxes && a.play == b.play &&
           a.system == b.system;
}

// Starting values for the variables: zeros to make divisors 0, the ends of
// the range, and small numbers.
void SetVariables(int pattern) {
    Values& play = GetPlayData().vars.values;
    Values& system = GetSystemData().vars.values;
    const int32_t extremes[] = {0, 1, -1, 2147483647, -2147483647 - 1, 2, 0, -2};
    for (int i = 0; i < kSaveValueCount; ++i) {
        const size_t at = static_cast<size_t>(i);
        switch (pattern) {
            case 0: play[at] = i * 10; system[at] = 100 - i; break;
            case 1: play[at] = 0; system[at] = 0; break;
            case 2: play[at] = extremes[i % 8]; system[at] = extremes[(i + 3) % 8]; break;
            default: play[at] = i % 3; system[at] = (i % 2) - 1; break;
        }
    }
}

constexpr int kPatterns = 4;

// Runs evaluate twice from the pattern's variables, as a statement runs
// again with what its first run left.
Outcome Run(int pattern, const std::function<int32_t()>& evaluate) {
    SetVariables(pattern);
    ClearRecordedErrors();
    Outcome outcome;
    try {
        outcome.result = evaluate();
        outcome.result = outcome.result * 31 + evaluate();
    } catch (const CInternalError&) {
        outcome.refused = true;
    }
    for (const ErrorBox& box : RecordedErrors()) {
        outcome.boxes.push_back({static_cast<int>(box.kind), box.module, box.place});
    }
    outcome.play = GetPlayData().vars.values;
    outcome.system = GetSystemData().vars.values;
    return outcome;
}

// The compiled form against the evaluator reading the text, from every
// pattern of starting values.
void ExpectSameAsEvaluator(const std::string& text) {
    for (int pattern = 0; pattern < kPatterns; ++pattern) {
        const Outcome expected = Run(pattern, [&text] { return CConditionEvaluator::Evaluate(text); });
        CCompiledExpression compiled(text);
        const Outcome actual = Run(pattern, [&compiled] { return compiled.Evaluate(); });
        if (!(actual == expected)) {
            ADD_FAILURE() << "text \"" << text << "\" from pattern " << pattern << ": result "
                          << actual.result << " (evaluator " << expected.result << "), refused "
                          << actual.refused << " (" << expected.refused << "), boxes "
                          << actual.boxes.size() << " (" << expected.boxes.size() << "), variables "
                          << (actual.play == expected.play && actual.system == expected.system ? "same"
                                                                                              : "differ");
        }
    }
    ClearRecordedErrors();
}

std::vector<std::string> CaseTexts() {
    std::vector<std::string> texts;
    for (const auto& list : {GrammarCases(), AssignmentCases(), DivisionCases(), NameCases()}) {
        for (const ExpressionCase& c : list) texts.push_back(c.text);
    }
    for (const ScanCase& c : ScanCases()) texts.push_back(c.text);
    for (const ConditionCase& c : ConditionCases()) texts.push_back(c.text);
    for (const JumpCase& c : JumpCases()) texts.push_back(c.condition);
    for (int levels : {256, 257}) {
        texts.push_back(NestedParentheses(levels));
        texts.push_back(Repeat("@1=", levels) + "6");
        texts.push_back(Repeat("(", levels) + "@2" + Repeat(")", levels) + "=4");
        texts.push_back("@3++, " + NestedParentheses(levels));
    }
    texts.push_back("1+" + Repeat("(", 100000));
    return texts;
}

TEST(CompiledExpression, GivesWhatTheEvaluatorGivesForEveryTestedText) {
    for (const std::string& text : CaseTexts()) ExpectSameAsEvaluator(text);
}

TEST(CompiledExpression, ZeroDivisorsThatChangeTheParse) {
    // @0 and @1 are 0 in some patterns: the term ends at the divisor and
    // what follows parses differently, at the top level, inside
    // parentheses, or many times over (more ways than are compiled).
    const std::string texts[] = {
        "@2 / @1 * 3",
        "5 + @2 % @1 / 2 - @3++",
        "(@2 / @1 * @3++) + 1",
        "(8 / @1 * -@2++)",
        "((@2/@1*@3++)*2)",
        "(5 + @2/@1*",
        "@4 = (@2 / @1 % @0 * 3, @3 += 2) * @5--",
        "(@2/@0*(@3/@1*(@4/@0*@5++)*@6--)*@7++)",
        "@1 /= @0, (@2 / @1 * 3), @3 / (@0) * 2",
        Repeat("@2/@0*", 40) + "1",
        Repeat("(@2/@0*", 20) + "@3++" + Repeat(")*@4++", 20),
        "@1/0*3",
        "@1/(0)*3",
    };
    for (const std::string& text : texts) ExpectSameAsEvaluator(text);
}

TEST(CompiledExpression, OutOfRangeVariablesAreRefusedWhereTheEvaluatorLooksThemUp) {
    const std::string texts[] = {
        "@1++, @1024",
        "@1++ + $5000",
        "$99999999999 = @2++",
        "@2++, (((@1024)))",
        "-(@1024 + 1)",
        "++(@2000)",
        "@3 = 1, 0 && @1024++",
        "@2 / @1 * @1024",  // refused only when the divisor is not 0
        "(@2 / @1 * 3) + @1024",
        "#1024 + @1023",
    };
    for (const std::string& text : texts) ExpectSameAsEvaluator(text);
}

// Random texts over the grammar, with malformed pieces mixed in.
class CExpressionGenerator {
public:
    explicit CExpressionGenerator(unsigned seed) : random_(seed) {}

    std::string Expression(int depth) {
        std::string text;
        switch (depth > 4 ? 0 : Pick(9)) {
            case 0:
            case 1: text = Operand(); break;
            case 2:
            case 3:
            case 4: text = Expression(depth + 1) + Blank() + Binary() + Blank() + Expression(depth + 1); break;
            case 5: text = Prefix() + Expression(depth + 1); break;
            case 6: text = Expression(depth + 1) + (Pick(2) ? "++" : "--"); break;
            case 7: text = "(" + Expression(depth + 1) + Closer(); break;
            default: text = Variable() + Blank() + Assignment() + Blank() + Expression(depth + 1); break;
        }
        if (Pick(25) == 0) text += Junk();
        return text;
    }

private:
    int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    template <size_t N>
    const char* From(const char* const (&choices)[N]) {
        return choices[Pick(static_cast<int>(N))];
    }

    std::string Blank() { return Pick(3) == 0 ? " " : ""; }
    std::string Variable() {
        const int n = Pick(40) == 0 ? (Pick(2) ? 1024 : 99999) : Pick(8);
        return (Pick(3) == 0 ? "$" : "@") + std::to_string(n);
    }
    std::string Operand() {
        static const char* const literals[] = {"0", "1", "2", "3", "7", "2147483647", "2147483648",
                                               "99999999999", "65536", "-1"};
        switch (Pick(6)) {
            case 0:
            case 1: return From(literals);
            case 2: return "#" + std::to_string(Pick(4));
            case 3: return Pick(4) == 0 ? "x" : "@x";
            default: return Variable();
        }
    }
    std::string Binary() {
        static const char* const ops[] = {"+", "-", "*", "/", "%", "/", "%", "<", "<=", ">", ">=",
                                          "==", "!=", "&&", "||", ","};
        return From(ops);
    }
    std::string Assignment() {
        static const char* const ops[] = {"=", "+=", "-=", "*=", "/=", "%="};
        return From(ops);
    }
    std::string Prefix() {
        static const char* const ops[] = {"!", "+", "-", "++", "--", "(", "(("};
        return From(ops);
    }
    std::string Closer() {
        static const char* const closers[] = {")", ")", ")", ")", "", "]", "))", "*", "+"};
        return From(closers);
    }
    std::string Junk() {
        static const char* const junk[] = {";", ")", "(", " ? 2", "\r\n+1", "\x82\xa0", " 3", "++", "=1", "\t,"};
        return From(junk);
    }

    std::mt19937 random_;
};

TEST(CompiledExpression, GivesWhatTheEvaluatorGivesForRandomTexts) {
    CExpressionGenerator generator(20261210);
    for (int i = 0; i < 3000; ++i) ExpectSameAsEvaluator(generator.Expression(0));
}

}  // namespace
