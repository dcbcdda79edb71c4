#include "script/expression_syntax.h"

#include <cstddef>
#include <cstring>

namespace expression {

namespace {

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

}  // namespace

Token ScanToken(const char* p, const char* end, const std::bitset<128>& sigils) {
    Token token;
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\n')) ++p;
    token.start = p;
    if (p == end) {
        token.kind = kEnd;
        return token;
    }
    const auto inName = [&sigils](unsigned char c) {
        return IsLetter(c) || IsDigit(c) || c == '_' || (c < sigils.size() && sigils.test(c));
    };
    const unsigned char first = static_cast<unsigned char>(*p);
    if (IsDigit(first) || inName(first)) {
        token.kind = IsDigit(first) ? kNumber : kName;
        const bool number = token.kind == kNumber;
        do {
            ++p;
        } while (p < end && (number ? IsDigit(static_cast<unsigned char>(*p))
                                    : inName(static_cast<unsigned char>(*p))));
    } else {
        const size_t left = static_cast<size_t>(end - p);
        for (int i = 0; i < static_cast<int>(sizeof kOperators / sizeof kOperators[0]); ++i) {
            const OperatorText& entry = kOperators[i];
            if (static_cast<size_t>(entry.length) <= left && entry.length > token.length &&
                std::memcmp(entry.text, p, static_cast<size_t>(entry.length)) == 0) {
                token.op = i;
                token.length = entry.length;
            }
        }
        // Nothing that an expression can hold: the text ends here.
        token.kind = token.op < 0 ? kNoToken : kOperator;
        p += token.length;
    }
    token.length = static_cast<int>(p - token.start);
    return token;
}

}  // namespace expression
