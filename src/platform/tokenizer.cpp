#include "platform/tokenizer.h"

#include <cstring>
#include <utility>

#include "platform/error_report.h"
#include "platform/sjis.h"

namespace {

// Letters and digits of the C locale.
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool StartsWord(unsigned char c) { return IsLetter(c) || c == '_' || IsSjisLeadByte(c); }

}  // namespace

CTokenizer::CTokenizer(const char* data, int length) : cursor_(data), end_(data), line_(1) {
    if (length < 0) ErrorReport(ErrorKind::Internal, kModuleTokenizer, 29);
    if (data) end_ = data + length;
}

CTokenizer::CTokenizer(std::string text) : line_(1), text_(std::move(text)) {
    cursor_ = text_.data();
    end_ = cursor_ + text_.size();
}

void CTokenizer::AddSymbolList(std::initializer_list<std::string> symbols) {
    for (const std::string& symbol : symbols) {
        if (symbol.empty()) break;
        symbols_.push_back(symbol);
    }
}

bool CTokenizer::At(char first, char second) const {
    return end_ - cursor_ >= 2 && cursor_[0] == first && cursor_[1] == second;
}

void CTokenizer::StepCharacter() {
    cursor_ += IsSjisLeadByte(Current()) && end_ - cursor_ >= 2 ? 2 : 1;
}

void CTokenizer::SkipComment(bool lineComment) {
    cursor_ += 2;
    while (!AtEnd()) {
        if (At('\r', '\n')) {
            cursor_ += 2;
            ++line_;
            if (lineComment) return;
        } else if (!lineComment && At('*', '/')) {
            cursor_ += 2;
            return;
        } else {
            StepCharacter();
        }
    }
}

int CTokenizer::SkipBlanks() {
    while (!AtEnd()) {
        const unsigned char c = Current();
        if (c == ' ' || c == '\t') {
            ++cursor_;
        } else if (At('\r', '\n')) {
            cursor_ += 2;
            ++line_;
        } else if (At('/', '/')) {
            SkipComment(true);
        } else if (At('/', '*')) {
            SkipComment(false);
        } else {
            // A lead byte, a lone CR or LF, a lone "/" or anything else.
            return kRead;
        }
    }
    return kReadAtEnd;
}

template <typename Predicate>
int CTokenizer::StartToken(std::string& out, Predicate startsToken) {
    out.clear();
    if (SkipBlanks() == kReadAtEnd) return kReadAtEnd;
    return startsToken(Current()) ? kRead : kReadNotThisKind;
}

int CTokenizer::ReadNumber(std::string& out) {
    const int result = StartToken(out, IsDigit);
    if (result != kRead) return result;
    const char* start = cursor_;
    while (!AtEnd() && IsDigit(Current())) ++cursor_;
    out.assign(start, cursor_);
    return kRead;
}

int CTokenizer::ReadWord(std::string& out) {
    const int result = StartToken(out, StartsWord);
    if (result != kRead) return result;
    const char* start = cursor_;
    StepCharacter();
    while (!AtEnd() && (StartsWord(Current()) || IsDigit(Current()))) StepCharacter();
    out.assign(start, cursor_);
    return kRead;
}

int CTokenizer::ReadDelimited(std::string& out, char quote) {
    const int result = StartToken(out, [quote](unsigned char c) { return c == quote; });
    if (result != kRead) return result;
    const char* const opening = cursor_;
    const int openingLine = line_;
    ++cursor_;
    while (!AtEnd()) {
        if (*cursor_ == quote) {
            ++cursor_;
            return kRead;
        }
        if (*cursor_ == '\t') {
            ++cursor_;
            continue;
        }
        if (At('\r', '\n')) {
            cursor_ += 2;
            ++line_;
            continue;
        }
        // A backslash lets the next byte in unexamined (a quote, a backslash).
        if (*cursor_ == '\\' && ++cursor_ == end_) break;
        const char* start = cursor_;
        StepCharacter();
        out.append(start, cursor_);
    }
    // The text ended inside the string: the caller sees a syntax error at
    // the opening quote rather than a string that swallowed the rest.
    cursor_ = opening;
    line_ = openingLine;
    out.clear();
    return kReadNotThisKind;
}

int CTokenizer::ReadQuotedString(std::string& out) { return ReadDelimited(out, '"'); }

int CTokenizer::ReadSingleQuotedString(std::string& out) { return ReadDelimited(out, '\''); }

int CTokenizer::ReadSymbol(std::string& out) {
    out.clear();
    if (SkipBlanks() == kReadAtEnd) return kReadAtEnd;
    const std::string* best = nullptr;
    const std::size_t left = static_cast<std::size_t>(end_ - cursor_);
    for (const std::string& symbol : symbols_) {
        if (symbol.size() <= left && (!best || symbol.size() > best->size()) &&
            std::memcmp(symbol.data(), cursor_, symbol.size()) == 0) {
            best = &symbol;
        }
    }
    if (!best) return kReadNotThisKind;
    out = *best;
    cursor_ += best->size();
    return kRead;
}

TokenKind CTokenizer::NextToken(std::string& out) {
    out.clear();
    if (SkipBlanks() == kReadAtEnd) return kTokenEnd;
    const unsigned char c = Current();
    int result;
    TokenKind kind;
    if (c == '"') {
        result = ReadQuotedString(out);
        kind = kTokenString;
    } else if (c == '\'') {
        result = ReadSingleQuotedString(out);
        kind = kTokenSingleQuoted;
    } else if (IsDigit(c)) {
        result = ReadNumber(out);
        kind = kTokenNumber;
    } else if (StartsWord(c)) {
        result = ReadWord(out);
        kind = kTokenWord;
    } else {
        result = ReadSymbol(out);
        kind = kTokenSymbol;
    }
    if (result == kReadAtEnd) return kTokenEnd;
    if (result == kReadNotThisKind) return kTokenUnknown;
    return kind;
}

TokenKind CTokenizer::PeekToken(std::string& out) {
    const char* const cursor = cursor_;
    const int line = line_;
    const TokenKind kind = NextToken(out);
    cursor_ = cursor;
    line_ = line;
    return kind;
}

void CTokenizer::SkipToken() {
    std::string ignored;
    NextToken(ignored);
}

int CTokenizer::ExpectToken(const std::string& expected) {
    std::string text;
    const TokenKind kind = NextToken(text);
    const bool matched = kind != kTokenEnd && kind != kTokenUnknown && text == expected;
    return matched ? kRead : kReadNotThisKind;
}

std::string CTokenizer::ReadRaw(int count) {
    const int left = static_cast<int>(end_ - cursor_);
    const int taken = count < 0 ? 0 : (count > left ? left : count);
    std::string raw(cursor_, cursor_ + taken);
    cursor_ += taken;
    return raw;
}
