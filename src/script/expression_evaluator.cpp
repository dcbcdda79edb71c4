#include "script/expression_evaluator.h"

#include "script/decimal_value.h"
#include "script/script_compiler.h"

using namespace expression;

void CExpressionEvaluator::SetSigils(std::string_view characters) {
    sigils_.reset();
    for (char c : characters) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < sigils_.size()) sigils_.set(byte);
    }
}

void CExpressionEvaluator::Begin(std::string_view text) {
    begin_ = text.data();
    end_ = begin_ + text.size();
    cursor_ = begin_;
    consumedEnd_ = begin_;
    status_ = kStatusOk;
    depth_ = 0;
    ReadToken();
}

void CExpressionEvaluator::ReadToken() {
    token_ = ScanToken(cursor_, end_, sigils_);
    cursor_ = token_.start + token_.length;
}

void CExpressionEvaluator::Advance() {
    if (token_.length > 0) consumedEnd_ = token_.start + token_.length;
    ReadToken();
}

void CExpressionEvaluator::Restore(const Position& position) {
    cursor_ = position.cursor;
    token_ = position.token;
    consumedEnd_ = position.consumedEnd;
}

int32_t* CExpressionEvaluator::AddressOf(std::string_view name) {
    if (checking_) return &scratch_;
    return address_ ? address_(name) : nullptr;
}

int32_t CExpressionEvaluator::ReadValue(std::string_view name) {
    if (checking_) return 1;
    return read_ ? read_(name) : 0;
}

int32_t CExpressionEvaluator::Evaluate(std::string_view text) {
    Begin(text);
    if (text.empty()) {
        status_ = kStatusEmpty;
        return 0;
    }
    int32_t value;
    try {
        value = ParseSequence();
    } catch (const TooDeep&) {
        status_ = kStatusLeftOver;
        return 0;
    }
    if (token_.length > 0) {
        status_ = kStatusLeftOver;
        return 0;
    }
    return value;
}

bool CExpressionEvaluator::Check(std::string_view text) {
    struct CheckingMode {
        bool& flag;
        explicit CheckingMode(bool& f) : flag(f) { flag = true; }
        ~CheckingMode() { flag = false; }
    } mode(checking_);
    scratch_ = 1;
    Begin(text);
    if (text.empty()) {
        status_ = kStatusEmpty;
        return true;
    }
    try {
        ParseSequence();
    } catch (const TooDeep&) {
        throw CScriptSyntaxError{};
    }
    if (token_.length > 0) status_ = kStatusLeftOver;
    return true;
}

int32_t CExpressionEvaluator::ParseSequence() {
    int32_t value = ParseAssignment();
    while (At(kComma)) {
        Advance();
        value = ParseAssignment();
    }
    return value;
}

int32_t CExpressionEvaluator::ParseAssignment() {
    // The top level is depth 1; each "(" or chained assignment adds one.
    struct Level {
        int& depth;
        explicit Level(int& d) : depth(d) {
            if (depth > kMaxNesting) throw TooDeep{};
            ++depth;
        }
        ~Level() { --depth; }
    } level(depth_);
    const Position start = Save();
    if (int32_t* variable = ParseVariable()) {
        if (token_.kind == kOperator && IsAssignment(token_.op)) {
            const int op = token_.op;
            Advance();
            const int32_t right = ParseAssignment();
            *variable = Assign(op, *variable, right);
            return *variable;
        }
    }
    Restore(start);
    return ParseOr();
}

int32_t CExpressionEvaluator::ParseOr() {
    const int32_t first = ParseAnd();
    if (!At(kOr)) return first;
    bool any = first != 0;
    while (At(kOr)) {
        Advance();
        const int32_t next = ParseAnd();  // evaluated whatever came before
        any = any || next != 0;
    }
    return any ? 1 : 0;
}

int32_t CExpressionEvaluator::ParseAnd() {
    const int32_t first = ParseComparison();
    if (!At(kAnd)) return first;
    bool all = first != 0;
    while (At(kAnd)) {
        Advance();
        const int32_t next = ParseComparison();  // evaluated whatever came before
        all = all && next != 0;
    }
    return all ? 1 : 0;
}

int32_t CExpressionEvaluator::ParseComparison() {
    const int32_t left = ParseAdditive();
    if (token_.kind != kOperator || !IsComparison(token_.op)) return left;
    const int op = token_.op;
    Advance();
    return Compare(op, left, ParseAdditive());
}

int32_t CExpressionEvaluator::ParseAdditive() {
    int32_t value = ParseTerm();
    while (At(kPlus) || At(kMinus)) {
        const bool plus = At(kPlus);
        Advance();
        const int32_t right = ParseTerm();
        value = plus ? Add(value, right) : Subtract(value, right);
    }
    return value;
}

int32_t CExpressionEvaluator::ParseTerm() {
    int32_t value = ParseUnary();
    while (At(kTimes) || At(kDivide) || At(kRemainder)) {
        const int op = token_.op;
        Advance();
        const int32_t right = ParseUnary();
        if (op == kTimes) {
            value = Multiply(value, right);
        } else if (right == 0) {
            // The term is 0 and ends here; a check reads on, so that what
            // the expression holds does not depend on its inert values.
            value = 0;
            if (!checking_) return value;
        } else {
            value = op == kDivide ? Divide(value, right) : Remainder(value, right);
        }
    }
    return value;
}

int32_t CExpressionEvaluator::ParseUnary() {
    if (At(kOpen)) {
        Advance();
        int32_t value = ParseSequence();
        // The closing parenthesis is taken as it comes, unchecked.
        Advance();
        return value;
    }
    if (At(kNot)) {
        Advance();
        return ParsePrimary() == 0 ? 1 : 0;
    }
    if (At(kPlus)) {
        Advance();
        return ParsePrimary();
    }
    if (At(kMinus)) {
        Advance();
        return Negate(ParsePrimary());
    }
    return ParsePrimary();
}

int32_t CExpressionEvaluator::ParsePrimary() {
    if (int32_t* variable = ParseVariable()) {
        const int32_t old = *variable;
        if (At(kIncrement) || At(kDecrement)) {
            *variable = At(kIncrement) ? Add(old, 1) : Subtract(old, 1);
            Advance();
        }
        return old;
    }
    if (At(kIncrement) || At(kDecrement)) {
        const int32_t step = At(kIncrement) ? 1 : -1;
        Advance();
        int32_t* variable = ParseVariable();
        if (!variable) return 0;
        *variable = Add(*variable, step);
        return *variable;
    }
    int32_t value = 0;
    if (token_.kind == kNumber) value = DecimalValue(TokenText());
    if (token_.kind == kName) value = ReadValue(TokenText());
    // Anything else in operand position is 0 and consumed.
    Advance();
    return value;
}

int32_t* CExpressionEvaluator::ParseVariable() {
    const Position start = Save();
    int opens = 0;
    while (At(kOpen)) {
        ++opens;
        if (depth_ - 1 + opens > kMaxNesting) throw TooDeep{};
        Advance();
    }
    int32_t* variable = token_.kind == kName ? AddressOf(TokenText()) : nullptr;
    if (variable) {
        Advance();
        while (opens > 0 && At(kClose)) {
            --opens;
            Advance();
        }
        if (opens == 0) return variable;
    }
    Restore(start);
    return nullptr;
}
