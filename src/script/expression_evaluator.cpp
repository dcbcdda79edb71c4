#include "script/expression_evaluator.h"

#include <cstring>

#include "script/decimal_value.h"
#include "script/script_compiler.h"

namespace {

// The operator table, in the order that settles a tie between matches of
// equal length (none occurs, but the order is the language's).
enum Operator : int {
    kPlus, kMinus, kTimes, kDivide, kRemainder, kOpen, kClose,
    kAssign, kSubtractAssign, kAddAssign, kMultiplyAssign, kDivideAssign, kRemainderAssign,
    kIncrement, kDecrement,
    kGreaterEqual, kGreater, kLessEqual, kLess, kEqual, kNotEqual,
    kAnd, kOr, kNot, kComma, kSemicolon,
};

struct OperatorText {
    const char* text;
    int length;
};

constexpr OperatorText kOperators[] = {
    {"+", 1},  {"-", 1},  {"*", 1},  {"/", 1},  {"%", 1},  {"(", 1},  {")", 1},
    {"=", 1},  {"-=", 2}, {"+=", 2}, {"*=", 2}, {"/=", 2}, {"%=", 2},
    {"++", 2}, {"--", 2},
    {">=", 2}, {">", 1},  {"<=", 2}, {"<", 1},  {"==", 2}, {"!=", 2},
    {"&&", 2}, {"||", 2}, {"!", 1},  {",", 1},  {";", 1},
};

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Two's-complement arithmetic without signed overflow.
int32_t Wrap(uint32_t value) { return static_cast<int32_t>(value); }
int32_t Add(int32_t a, int32_t b) { return Wrap(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
int32_t Subtract(int32_t a, int32_t b) { return Wrap(static_cast<uint32_t>(a) - static_cast<uint32_t>(b)); }
int32_t Multiply(int32_t a, int32_t b) { return Wrap(static_cast<uint32_t>(a) * static_cast<uint32_t>(b)); }
int32_t Negate(int32_t a) { return Wrap(0u - static_cast<uint32_t>(a)); }

// Truncating toward zero; a zero divisor gives 0 and the smallest int by -1
// gives itself (remainder 0) instead of trapping.
int32_t Divide(int32_t a, int32_t b) {
    if (b == 0) return 0;
    if (b == -1) return Negate(a);
    return a / b;
}

int32_t Remainder(int32_t a, int32_t b) {
    if (b == 0 || b == -1) return 0;
    return a % b;
}

bool IsAssignment(int op) { return op >= kAssign && op <= kRemainderAssign; }

bool IsComparison(int op) { return op >= kGreaterEqual && op <= kNotEqual; }

int32_t Compare(int op, int32_t a, int32_t b) {
    switch (op) {
        case kGreaterEqual: return a >= b;
        case kGreater: return a > b;
        case kLessEqual: return a <= b;
        case kLess: return a < b;
        case kEqual: return a == b;
        default: return a != b;
    }
}

int32_t Assign(int op, int32_t current, int32_t right) {
    switch (op) {
        case kSubtractAssign: return Subtract(current, right);
        case kAddAssign: return Add(current, right);
        case kMultiplyAssign: return Multiply(current, right);
        case kDivideAssign: return Divide(current, right);
        case kRemainderAssign: return Remainder(current, right);
        default: return right;
    }
}

}  // namespace

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
    const char* p = cursor_;
    while (p < end_ && (*p == ' ' || *p == '\t' || *p == '\n')) ++p;
    token_.start = p;
    token_.length = 0;
    token_.op = -1;
    cursor_ = p;
    if (p == end_) {
        token_.kind = kEnd;
        return;
    }
    const auto inName = [this](unsigned char c) {
        return IsLetter(c) || IsDigit(c) || c == '_' || (c < sigils_.size() && sigils_.test(c));
    };
    const unsigned char first = static_cast<unsigned char>(*p);
    if (IsDigit(first) || inName(first)) {
        token_.kind = IsDigit(first) ? kNumber : kName;
        const bool number = token_.kind == kNumber;
        do {
            ++p;
        } while (p < end_ && (number ? IsDigit(static_cast<unsigned char>(*p))
                                     : inName(static_cast<unsigned char>(*p))));
    } else {
        const size_t left = static_cast<size_t>(end_ - p);
        for (int i = 0; i < static_cast<int>(sizeof kOperators / sizeof kOperators[0]); ++i) {
            const OperatorText& entry = kOperators[i];
            if (static_cast<size_t>(entry.length) <= left && entry.length > token_.length &&
                std::memcmp(entry.text, p, static_cast<size_t>(entry.length)) == 0) {
                token_.op = i;
                token_.length = entry.length;
            }
        }
        // Nothing that an expression can hold: the text ends here.
        token_.kind = token_.op < 0 ? kNoToken : kOperator;
        p += token_.length;
    }
    token_.length = static_cast<int>(p - token_.start);
    cursor_ = p;
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
