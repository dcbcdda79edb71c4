// The tokens and the arithmetic of the script's integer expressions, shared
// by the evaluator that reads the text as it goes and by the compiled form
// that runs a text translated once.
#pragma once

#include <bitset>
#include <cstdint>

namespace expression {

// The operator table, in the order that settles a tie between matches of
// equal length (none occurs, but the order is the language's).
enum Operator : int {
    kPlus, kMinus, kTimes, kDivide, kRemainder, kOpen, kClose,
    kAssign, kSubtractAssign, kAddAssign, kMultiplyAssign, kDivideAssign, kRemainderAssign,
    kIncrement, kDecrement,
    kGreaterEqual, kGreater, kLessEqual, kLess, kEqual, kNotEqual,
    kAnd, kOr, kNot, kComma, kSemicolon,
};

enum TokenKind : int { kNoToken = 0, kEnd = 1, kNumber = 2, kOperator = 3, kName = 4 };

struct Token {
    const char* start = nullptr;
    int length = 0;
    TokenKind kind = kEnd;
    int op = -1;  // an Operator when kind is kOperator
};

// The token at p, after blanks, tabs and line feeds. At end, and at a byte
// that starts nothing an expression can hold, the token is empty (kEnd or
// kNoToken) and starts where the scan stopped. sigils are the characters
// that count as letters in names besides A-Z, a-z, 0-9 and "_".
Token ScanToken(const char* p, const char* end, const std::bitset<128>& sigils);

// Two's-complement arithmetic without signed overflow.
inline int32_t Wrap(uint32_t value) { return static_cast<int32_t>(value); }
inline int32_t Add(int32_t a, int32_t b) { return Wrap(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
inline int32_t Subtract(int32_t a, int32_t b) { return Wrap(static_cast<uint32_t>(a) - static_cast<uint32_t>(b)); }
inline int32_t Multiply(int32_t a, int32_t b) { return Wrap(static_cast<uint32_t>(a) * static_cast<uint32_t>(b)); }
inline int32_t Negate(int32_t a) { return Wrap(0u - static_cast<uint32_t>(a)); }

// Truncating toward zero; a zero divisor gives 0 and the smallest int by -1
// gives itself (remainder 0) instead of trapping.
inline int32_t Divide(int32_t a, int32_t b) {
    if (b == 0) return 0;
    if (b == -1) return Negate(a);
    return a / b;
}

inline int32_t Remainder(int32_t a, int32_t b) {
    if (b == 0 || b == -1) return 0;
    return a % b;
}

inline bool IsAssignment(int op) { return op >= kAssign && op <= kRemainderAssign; }

inline bool IsComparison(int op) { return op >= kGreaterEqual && op <= kNotEqual; }

inline int32_t Compare(int op, int32_t a, int32_t b) {
    switch (op) {
        case kGreaterEqual: return a >= b;
        case kGreater: return a > b;
        case kLessEqual: return a <= b;
        case kLess: return a < b;
        case kEqual: return a == b;
        default: return a != b;
    }
}

// The variable's new value after an assignment operator.
inline int32_t Assign(int op, int32_t current, int32_t right) {
    switch (op) {
        case kSubtractAssign: return Subtract(current, right);
        case kAddAssign: return Add(current, right);
        case kMultiplyAssign: return Multiply(current, right);
        case kDivideAssign: return Divide(current, right);
        case kRemainderAssign: return Remainder(current, right);
        default: return right;
    }
}

}  // namespace expression
