#include "script/expression_compiler.h"

#include <algorithm>
#include <bitset>
#include <map>

#include "platform/save_data.h"
#include "script/decimal_value.h"
#include "script/expression_evaluator.h"
#include "script/expression_syntax.h"

using namespace expression;

namespace {

// More ways to parse than this and the text is left to the evaluator.
constexpr size_t kMaxRuns = 16;

struct CompiledToken {
    TokenKind kind = kEnd;
    int op = -1;
    int32_t number = 0;
    ScriptVariableRef variable{ScriptVariableTable::None, 0};
};

// Which divisions that could end their term do end it, in the order a run
// meets them; those past the end of the list do not.
using Cuts = std::vector<bool>;

struct TooManyRuns {};
// The run ends here: the step that ends it is written.
struct RunEnds {};

// The parse of CExpressionEvaluator, step for step, writing the steps that
// evaluate what it would evaluate. Only a zero divisor makes the evaluator's
// parse depend on values; the cuts say how each run takes it.
class CRunCompiler {
public:
    CRunCompiler(const std::vector<CompiledToken>& tokens, const Cuts& cuts,
                 std::map<Cuts, size_t>& runs, std::vector<Cuts>& pending)
        : tokens_(tokens), cuts_(cuts), runs_(runs), pending_(pending) {}

    // The steps of the run, with each cut target the number of its run.
    std::vector<ExpressionStep> Compile(bool empty, int& stackSize) {
        try {
            if (empty) {
                Emit(ExpressionCode::ReturnZero);
            } else {
                Sequence();
                Emit(position_ < tokens_.size() ? ExpressionCode::ReturnZero : ExpressionCode::Return);
            }
        } catch (const RunEnds&) {
        }
        stackSize = maxDepth_;
        return std::move(steps_);
    }

private:
    static constexpr int kMaxNesting = CExpressionEvaluator::kMaxNesting;

    const CompiledToken& TokenAt(size_t position) const {
        static const CompiledToken end;
        return position < tokens_.size() ? tokens_[position] : end;
    }
    const CompiledToken& Current() const { return TokenAt(position_); }
    bool At(int op) const { return Current().kind == kOperator && Current().op == op; }
    bool IsOperatorAt(size_t position, int op) const {
        return TokenAt(position).kind == kOperator && TokenAt(position).op == op;
    }
    void Advance() {
        if (position_ < tokens_.size()) ++position_;
    }

    void Emit(ExpressionCode code, int32_t value = 0, int op = 0,
              ScriptVariableRef variable = {ScriptVariableTable::None, 0}) {
        steps_.push_back({code, static_cast<uint8_t>(op), variable.table, value});
        switch (code) {
            case ExpressionCode::Push:
            case ExpressionCode::Load:
            case ExpressionCode::PostIncrement:
            case ExpressionCode::PostDecrement:
            case ExpressionCode::PreIncrement:
            case ExpressionCode::PreDecrement: ++depth_; break;
            case ExpressionCode::Add:
            case ExpressionCode::Subtract:
            case ExpressionCode::Multiply:
            case ExpressionCode::Divide:
            case ExpressionCode::Remainder:
            case ExpressionCode::DivideOrCut:
            case ExpressionCode::RemainderOrCut:
            case ExpressionCode::Compare:
            case ExpressionCode::And:
            case ExpressionCode::Or:
            case ExpressionCode::Drop: --depth_; break;
            default: break;
        }
        maxDepth_ = std::max(maxDepth_, depth_);
    }
    void EmitVariable(ExpressionCode code, ScriptVariableRef variable, int op = 0) {
        Emit(code, variable.index, op, variable);
    }
    [[noreturn]] void End(ExpressionCode code, ScriptVariableRef variable = {ScriptVariableTable::None, 0}) {
        EmitVariable(code, variable);
        throw RunEnds{};
    }

    void Sequence() {
        Assignment();
        while (At(kComma)) {
            Advance();
            Emit(ExpressionCode::Drop);
            Assignment();
        }
    }

    void Assignment() {
        if (nesting_ > kMaxNesting) End(ExpressionCode::ReturnZero);
        ++nesting_;
        const size_t start = position_;
        ScriptVariableRef variable;
        if (Variable(variable) && Current().kind == kOperator && IsAssignment(Current().op)) {
            const int op = Current().op;
            Advance();
            Assignment();
            EmitVariable(ExpressionCode::Store, variable, op);
        } else {
            position_ = start;
            Or();
        }
        --nesting_;
    }

    void Or() {
        And();
        while (At(kOr)) {
            Advance();
            And();
            Emit(ExpressionCode::Or);
        }
    }

    void And() {
        Comparison();
        while (At(kAnd)) {
            Advance();
            Comparison();
            Emit(ExpressionCode::And);
        }
    }

    void Comparison() {
        Additive();
        if (Current().kind != kOperator || !IsComparison(Current().op)) return;
        const int op = Current().op;
        Advance();
        Additive();
        Emit(ExpressionCode::Compare, 0, op);
    }

    void Additive() {
        Term();
        while (At(kPlus) || At(kMinus)) {
            const bool plus = At(kPlus);
            Advance();
            Term();
            Emit(plus ? ExpressionCode::Add : ExpressionCode::Subtract);
        }
    }

    bool AtTermOperator() const { return At(kTimes) || At(kDivide) || At(kRemainder); }

    void Term() {
        Unary();
        while (AtTermOperator()) {
            const int op = Current().op;
            Advance();
            Unary();
            if (op == kTimes) {
                Emit(ExpressionCode::Multiply);
                continue;
            }
            const bool divide = op == kDivide;
            const ExpressionStep& divisor = steps_.back();
            // A zero divisor that is followed by no other term operator
            // ends a term that ends there anyway; a constant one is never 0.
            if (!AtTermOperator() || (divisor.code == ExpressionCode::Push && divisor.value != 0)) {
                Emit(divide ? ExpressionCode::Divide : ExpressionCode::Remainder);
                continue;
            }
            const size_t index = cutsMet_++;
            if (index < cuts_.size() && cuts_[index]) {
                // This run's divisor is 0: the term ends here. The step is
                // never run; it keeps the runs aligned.
                Emit(divide ? ExpressionCode::Divide : ExpressionCode::Remainder);
                return;
            }
            Cuts other(cuts_.begin(), cuts_.begin() + static_cast<std::ptrdiff_t>(std::min(index, cuts_.size())));
            other.resize(index, false);
            other.push_back(true);
            Emit(divide ? ExpressionCode::DivideOrCut : ExpressionCode::RemainderOrCut,
                 static_cast<int32_t>(RunOf(other)));
        }
    }

    size_t RunOf(const Cuts& cuts) {
        const auto found = runs_.find(cuts);
        if (found != runs_.end()) return found->second;
        if (runs_.size() >= kMaxRuns) throw TooManyRuns{};
        const size_t run = runs_.size();
        runs_.emplace(cuts, run);
        pending_.push_back(cuts);
        return run;
    }

    void Unary() {
        if (At(kOpen)) {
            Advance();
            Sequence();
            // The closing parenthesis is taken as it comes, unchecked.
            Advance();
        } else if (At(kNot)) {
            Advance();
            Primary();
            Emit(ExpressionCode::Not);
        } else if (At(kPlus)) {
            Advance();
            Primary();
        } else if (At(kMinus)) {
            Advance();
            Primary();
            Emit(ExpressionCode::Negate);
        } else {
            Primary();
        }
    }

    void Primary() {
        ScriptVariableRef variable;
        if (Variable(variable)) {
            if (At(kIncrement) || At(kDecrement)) {
                EmitVariable(At(kIncrement) ? ExpressionCode::PostIncrement : ExpressionCode::PostDecrement,
                             variable);
                Advance();
            } else {
                EmitVariable(ExpressionCode::Load, variable);
            }
            return;
        }
        if (At(kIncrement) || At(kDecrement)) {
            const bool up = At(kIncrement);
            Advance();
            if (Variable(variable)) {
                EmitVariable(up ? ExpressionCode::PreIncrement : ExpressionCode::PreDecrement, variable);
            } else {
                Emit(ExpressionCode::Push, 0);
            }
            return;
        }
        // A name that is no variable reads 0, and so does anything else in
        // operand position, which is consumed.
        Emit(ExpressionCode::Push, Current().kind == kNumber ? Current().number : 0);
        Advance();
    }

    // A variable, or one inside parentheses, at the current token: taken
    // when found, else the position stays.
    bool Variable(ScriptVariableRef& variable) {
        size_t position = position_;
        int opens = 0;
        while (IsOperatorAt(position, kOpen)) {
            ++opens;
            if (nesting_ - 1 + opens > kMaxNesting) End(ExpressionCode::ReturnZero);
            ++position;
        }
        const CompiledToken& name = TokenAt(position);
        if (name.kind != kName || name.variable.table == ScriptVariableTable::None) return false;
        // The evaluator looks the name up here, which refuses a number out
        // of range whatever follows.
        if (name.variable.index >= kSaveValueCount) End(ExpressionCode::Refuse, name.variable);
        ++position;
        while (opens > 0 && IsOperatorAt(position, kClose)) {
            --opens;
            ++position;
        }
        if (opens > 0) return false;
        position_ = position;
        variable = name.variable;
        return true;
    }

    const std::vector<CompiledToken>& tokens_;
    const Cuts& cuts_;
    std::map<Cuts, size_t>& runs_;
    std::vector<Cuts>& pending_;
    std::vector<ExpressionStep> steps_;
    size_t position_ = 0;
    size_t cutsMet_ = 0;
    int nesting_ = 0;  // parentheses and chained assignments, as the evaluator counts them
    int depth_ = 0;         // values on the stack
    int maxDepth_ = 0;
};

std::vector<CompiledToken> Tokens(std::string_view text) {
    std::bitset<128> sigils;
    for (char c : {'$', '@', '#'}) sigils.set(static_cast<unsigned char>(c));
    std::vector<CompiledToken> tokens;
    const char* cursor = text.data();
    const char* const end = cursor + text.size();
    for (;;) {
        const Token token = ScanToken(cursor, end, sigils);
        // An unexpected character ends the text like its end does.
        if (token.length == 0) break;
        const std::string_view spelling(token.start, static_cast<size_t>(token.length));
        CompiledToken compiled;
        compiled.kind = token.kind;
        compiled.op = token.op;
        if (token.kind == kNumber) compiled.number = DecimalValue(spelling);
        if (token.kind == kName) compiled.variable = ResolveScriptVariable(spelling);
        tokens.push_back(compiled);
        cursor = token.start + token.length;
    }
    return tokens;
}

}  // namespace

bool CompileExpression(std::string_view text, ExpressionProgram& program) {
    const std::vector<CompiledToken> tokens = Tokens(text);
    std::map<Cuts, size_t> runs{{Cuts{}, 0}};
    std::vector<Cuts> pending{Cuts{}};
    std::vector<std::vector<ExpressionStep>> compiled;
    int stackSize = 1;
    try {
        // pending grows while runs are compiled, in the order of their numbers.
        for (size_t run = 0; run < pending.size(); ++run) {
            const Cuts cuts = pending[run];
            int runStack = 0;
            compiled.push_back(CRunCompiler(tokens, cuts, runs, pending).Compile(text.empty(), runStack));
            stackSize = std::max(stackSize, runStack);
        }
    } catch (const TooManyRuns&) {
        return false;
    }
    std::vector<size_t> starts;
    program.steps.clear();
    for (const auto& steps : compiled) {
        starts.push_back(program.steps.size());
        program.steps.insert(program.steps.end(), steps.begin(), steps.end());
    }
    // A cut goes on after the step at the same place in the other run.
    for (size_t run = 0; run < compiled.size(); ++run) {
        for (size_t i = 0; i < compiled[run].size(); ++i) {
            ExpressionStep& step = program.steps[starts[run] + i];
            if (step.code == ExpressionCode::DivideOrCut || step.code == ExpressionCode::RemainderOrCut) {
                step.value = static_cast<int32_t>(starts[static_cast<size_t>(step.value)] + i);
            }
        }
    }
    program.stackSize = stackSize;
    return true;
}
