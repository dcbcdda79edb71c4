#include "platform/tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/error_recorder.h"

namespace {

struct Token {
    int kind;
    std::string text;
    int line;  // after the token
};

struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> symbols;
    // Up to and including the first kind 1 (end) or 2 (unknown).
    std::vector<Token> tokens;
};

void Register(CTokenizer& tokenizer, const std::vector<std::string>& symbols) {
    for (const std::string& s : symbols) tokenizer.AddSymbols(s, "");
}

void ExpectTokens(const Case& c) {
    SCOPED_TRACE(c.name);
    CTokenizer tokenizer(c.text.data(), static_cast<int>(c.text.size()));
    Register(tokenizer, c.symbols);
    for (const Token& expected : c.tokens) {
        std::string text = "stale";
        const int kind = tokenizer.NextToken(text);
        ASSERT_EQ(kind, expected.kind) << "token " << expected.text;
        EXPECT_EQ(text, expected.text);
        EXPECT_EQ(tokenizer.LineNumber(), expected.line) << "after " << expected.text;
    }
}

const std::vector<std::string> kNoSymbols;

TEST(Tokenizer, NumbersWordsAndSymbols) {
    const Case cases[] = {
        {"kinds", "abc 123\t_x9", kNoSymbols,
         {{4, "abc", 1}, {3, "123", 1}, {4, "_x9", 1}, {1, "", 1}}},
        {"digits end a number, not a word", "12ab ab12", kNoSymbols,
         {{3, "12", 1}, {4, "ab", 1}, {4, "ab12", 1}, {1, "", 1}}},
        {"no sign and no point in numbers", "-12 3.5", {"-", "."},
         {{7, "-", 1}, {3, "12", 1}, {3, "3", 1}, {7, ".", 1}, {3, "5", 1}, {1, "", 1}}},
        {"longest symbol wins, registered short first", "<=<", {"<", "<="},
         {{7, "<=", 1}, {7, "<", 1}, {1, "", 1}}},
        {"longest symbol wins, registered long first", "<=", {"<=", "<"}, {{7, "<=", 1}, {1, "", 1}}},
        {"a blank splits a symbol", "< =", {"<", "<=", "="}, {{7, "<", 1}, {7, "=", 1}, {1, "", 1}}},
        {"a symbol longer than the rest of the text", "<=", {"<", "<=>"},
         {{7, "<", 1}, {2, "", 1}}},
        {"unregistered punctuation", "a+b", kNoSymbols, {{4, "a", 1}, {2, "", 1}}},
        {"a lone slash is punctuation", "a / b", {"/"},
         {{4, "a", 1}, {7, "/", 1}, {4, "b", 1}, {1, "", 1}}},
        {"empty text", "", kNoSymbols, {{1, "", 1}}},
    };
    for (const Case& c : cases) ExpectTokens(c);
}

TEST(Tokenizer, LinesCountCrLfPairsOnly) {
    const Case cases[] = {
        {"CR LF", "a\r\nb\r\n\r\n  c\r\n", kNoSymbols,
         {{4, "a", 1}, {4, "b", 2}, {4, "c", 4}, {1, "", 5}}},
        {"a lone LF is no blank", "a\nb", kNoSymbols, {{4, "a", 1}, {2, "", 1}, {2, "", 1}}},
        {"a lone LF can be registered", "a\nb", {"\n"},
         {{4, "a", 1}, {7, "\n", 1}, {4, "b", 1}, {1, "", 1}}},
        {"a lone CR is no blank", "a\rb", kNoSymbols, {{4, "a", 1}, {2, "", 1}}},
        {"LF CR is no line end", "a\n\rb", {"\n", "\r"},
         {{4, "a", 1}, {7, "\n", 1}, {7, "\r", 1}, {4, "b", 1}}},
    };
    for (const Case& c : cases) ExpectTokens(c);
}

TEST(Tokenizer, CommentsAreSkippedAndTheirLinesCounted) {
    const Case cases[] = {
        {"line comment", "a // x \"y\r\nb", kNoSymbols, {{4, "a", 1}, {4, "b", 2}, {1, "", 2}}},
        {"line comment on the last line", "a // end", kNoSymbols, {{4, "a", 1}, {1, "", 1}}},
        {"a second byte 0x0D does not end a line comment", "a //x\x82\r\nstill\r\nb", kNoSymbols,
         {{4, "a", 1}, {4, "b", 2}, {1, "", 2}}},
        {"block comment", "a /* x\r\ny\r\n */ b", kNoSymbols,
         {{4, "a", 1}, {4, "b", 3}, {1, "", 3}}},
        {"a pair's second byte is no star", "a /*\x82*/ b */ c", kNoSymbols,
         {{4, "a", 1}, {4, "c", 1}, {1, "", 1}}},
        {"comments back to back", "/**//**/// x\r\n/*\r\n*/z", kNoSymbols,
         {{4, "z", 3}, {1, "", 3}}},
        {"unclosed block comment", "a /* x\r\ny", kNoSymbols, {{4, "a", 1}, {1, "", 2}}},
        {"text ends right after the opener", "a /*", kNoSymbols, {{4, "a", 1}, {1, "", 1}}},
        {"text ends on a star", "/* *", kNoSymbols, {{1, "", 1}}},
        {"text ends on a lead byte in a block comment", "/* \x82", kNoSymbols, {{1, "", 1}}},
        {"text ends on a lead byte in a line comment", "//\x82", kNoSymbols, {{1, "", 1}}},
        {"comment markers inside a string", "\"a // b /* c\" d", kNoSymbols,
         {{5, "a // b /* c", 1}, {4, "d", 1}, {1, "", 1}}},
    };
    for (const Case& c : cases) ExpectTokens(c);
}

TEST(Tokenizer, QuotedStrings) {
    const Case cases[] = {
        {"double and single quotes", "\"a b\" 'c d'", kNoSymbols,
         {{5, "a b", 1}, {6, "c d", 1}, {1, "", 1}}},
        {"the other quote is ordinary", "'a\"b' \"c'd\"", kNoSymbols,
         {{6, "a\"b", 1}, {5, "c'd", 1}}},
        {"empty string", "\"\"x", kNoSymbols, {{5, "", 1}, {4, "x", 1}}},
        {"TAB dropped", "\"a\tb\"", kNoSymbols, {{5, "ab", 1}}},
        {"CR LF dropped and counted", "\"x\r\ny\" z", kNoSymbols, {{5, "xy", 2}, {4, "z", 2}}},
        {"lone CR and LF kept", "\"x\ry\nz\"", kNoSymbols, {{5, "x\ry\nz", 1}}},
        {"backslash before the quote", "\"a\\\"b\"", kNoSymbols, {{5, "a\"b", 1}, {1, "", 1}}},
        {"backslash before a backslash", "'a\\\\' b", kNoSymbols, {{6, "a\\", 1}, {4, "b", 1}}},
        {"backslash before an ordinary byte", "\"\\n\"", kNoSymbols, {{5, "n", 1}}},
        {"second byte 0x5C does not escape", "\"\x95\x5c\" x", kNoSymbols,
         {{5, "\x95\x5c", 1}, {4, "x", 1}}},
        {"second byte 0x22 does not close", "\"\x82\x22\" x", kNoSymbols,
         {{5, "\x82\x22", 1}, {4, "x", 1}}},
        {"a pair after a backslash", "\"\\\x95\x5c\"", kNoSymbols, {{5, "\x95\x5c", 1}}},
    };
    for (const Case& c : cases) ExpectTokens(c);
}

TEST(Tokenizer, UnterminatedStringIsAnErrorAtItsOpeningQuote) {
    const Case cases[] = {
        {"text ends inside", "a \"bc\r\nd", kNoSymbols, {{4, "a", 1}, {2, "", 1}, {2, "", 1}}},
        {"only the quote", "\"", kNoSymbols, {{2, "", 1}}},
        {"backslash as the last byte", "'ab\\", kNoSymbols, {{2, "", 1}}},
        {"lead byte as the last byte", "\"\x82", kNoSymbols, {{2, "", 1}}},
        {"escaped closing quote", "\"a\\\"", kNoSymbols, {{2, "", 1}}},
    };
    for (const Case& c : cases) ExpectTokens(c);
}

TEST(Tokenizer, ShiftJisWords) {
    const Case cases[] = {
        {"pairs and letters in one word", "\x95\x5c\x8e\xa6" "abc_1 x", kNoSymbols,
         {{4, "\x95\x5c\x8e\xa6" "abc_1", 1}, {4, "x", 1}}},
        {"second byte 0x22 starts no string", "\x82\x22x y", kNoSymbols,
         {{4, "\x82\x22x", 1}, {4, "y", 1}}},
        {"second byte 0x5C before a string", "\x95\x5c\"x\"", kNoSymbols,
         {{4, "\x95\x5c", 1}, {5, "x", 1}}},
        {"second byte 0x2F before a slash is no comment", "\x82//x", {"/"},
         {{4, "\x82/", 1}, {7, "/", 1}, {4, "x", 1}, {1, "", 1}}},
        {"0xA0 takes the byte after it", "\xa0/x", kNoSymbols, {{4, "\xa0/x", 1}, {1, "", 1}}},
        {"half-width katakana starts no word", "\xb1", kNoSymbols, {{2, "", 1}}},
        {"half-width katakana ends a word", "ab\xb1", {"\xb1"},
         {{4, "ab", 1}, {7, "\xb1", 1}, {1, "", 1}}},
        {"lead byte as the last byte", "ab \x82", kNoSymbols,
         {{4, "ab", 1}, {4, "\x82", 1}, {1, "", 1}}},
        {"lead byte as the last byte of a word", "ab\x82", kNoSymbols,
         {{4, "ab\x82", 1}, {1, "", 1}}},
    };
    for (const Case& c : cases) ExpectTokens(c);
}

TEST(Tokenizer, NeverReadsPastItsLength) {
    // Each slice ends before the byte that would complete its token.
    const char text[] = "x\x82\x40 \"ab\" 12";
    struct Slice {
        int offset;
        int length;
        Token token;
    };
    const Slice slices[] = {
        {0, 2, {4, "x\x82", 1}},
        {4, 3, {2, "", 1}},
        {4, 4, {5, "ab", 1}},
        {9, 1, {3, "1", 1}},
    };
    for (const Slice& s : slices) {
        SCOPED_TRACE(s.offset);
        CTokenizer tokenizer(text + s.offset, s.length);
        std::string out;
        EXPECT_EQ(tokenizer.NextToken(out), s.token.kind);
        EXPECT_EQ(out, s.token.text);
    }
}

TEST(Tokenizer, PeekRestoresCursorAndLine) {
    CTokenizer tokenizer(std::string("\r\n// c\r\n  abc \"d\r\ne\" \"open"));
    struct Step {
        int kind;
        std::string text;
        int lineBefore;
        int lineAfter;
    };
    const Step steps[] = {
        {kTokenWord, "abc", 1, 3},
        {kTokenString, "de", 3, 4},
        {kTokenUnknown, "", 4, 4},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.text);
        std::string peeked;
        std::string read;
        EXPECT_EQ(tokenizer.PeekToken(peeked), s.kind);
        EXPECT_EQ(peeked, s.text);
        EXPECT_EQ(tokenizer.LineNumber(), s.lineBefore);
        EXPECT_EQ(tokenizer.NextToken(read), s.kind);
        EXPECT_EQ(read, s.text);
        EXPECT_EQ(tokenizer.LineNumber(), s.lineAfter);
    }
    EXPECT_EQ(tokenizer.ReadRaw(5), "\"open");
}

TEST(Tokenizer, SingleReadersReportEndAndWrongKindWithoutConsuming) {
    using Reader = int (CTokenizer::*)(std::string&);
    struct Case {
        const char* text;
        Reader reader;
        int result;
        std::string out;
        std::string next;  // the token NextToken reads afterwards
    };
    const Case cases[] = {
        {" 42x", &CTokenizer::ReadNumber, 0, "42", "x"},
        {" x42", &CTokenizer::ReadNumber, 2, "", "x42"},
        {" // only a comment", &CTokenizer::ReadNumber, 1, "", ""},
        {" ab1 c", &CTokenizer::ReadWord, 0, "ab1", "c"},
        {" 1ab", &CTokenizer::ReadWord, 2, "", "1"},
        {"\r\n", &CTokenizer::ReadWord, 1, "", ""},
        {" \"a\" b", &CTokenizer::ReadQuotedString, 0, "a", "b"},
        {" 'a' b", &CTokenizer::ReadQuotedString, 2, "", "a"},
        {" 'a' b", &CTokenizer::ReadSingleQuotedString, 0, "a", "b"},
        {" \"a\"", &CTokenizer::ReadSingleQuotedString, 2, "", "a"},
        {"", &CTokenizer::ReadSingleQuotedString, 1, "", ""},
        {" += 1", &CTokenizer::ReadSymbol, 0, "+=", "1"},
        {" * 1", &CTokenizer::ReadSymbol, 2, "", ""},
        {"  ", &CTokenizer::ReadSymbol, 1, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CTokenizer tokenizer(c.text);
        tokenizer.AddSymbols("+", "+=", "");
        std::string out = "stale";
        EXPECT_EQ((tokenizer.*c.reader)(out), c.result);
        EXPECT_EQ(out, c.out);
        std::string next;
        tokenizer.NextToken(next);
        EXPECT_EQ(next, c.next);
    }
}

TEST(Tokenizer, SkipBlanksStopsAtTheFirstByteOfAToken) {
    CTokenizer tokenizer(std::string(" \t\r\n/* \r\n */ // x\r\n\x82\xa0 /x"));
    EXPECT_EQ(tokenizer.SkipBlanks(), 0);
    EXPECT_EQ(tokenizer.LineNumber(), 4);
    EXPECT_EQ(tokenizer.ReadRaw(2), "\x82\xa0");
    EXPECT_EQ(tokenizer.SkipBlanks(), 0);
    EXPECT_EQ(tokenizer.ReadRaw(1), "/");
    EXPECT_EQ(tokenizer.SkipBlanks(), 0);
    EXPECT_EQ(tokenizer.ReadRaw(1), "x");
    EXPECT_EQ(tokenizer.SkipBlanks(), 1);
}

TEST(Tokenizer, ExpectSkipAndRawReads) {
    CTokenizer tokenizer(std::string("( a \"(\" ) \r\n  raw\r\nx"));
    tokenizer.AddSymbols("(", ")", "");
    EXPECT_EQ(tokenizer.ExpectToken("("), 0);
    EXPECT_EQ(tokenizer.ExpectToken("b"), 2);  // consumed "a"
    EXPECT_EQ(tokenizer.ExpectToken("("), 0);  // the string's text
    tokenizer.SkipToken();
    // Raw bytes: no blank skipping and no line counting.
    EXPECT_EQ(tokenizer.ReadRaw(6), " \r\n  r");
    EXPECT_EQ(tokenizer.LineNumber(), 1);
    EXPECT_EQ(tokenizer.ReadRaw(-1), "");
    EXPECT_EQ(tokenizer.ReadRaw(100), "aw\r\nx");
    EXPECT_EQ(tokenizer.ReadRaw(1), "");
    EXPECT_EQ(tokenizer.ExpectToken(""), 2);  // the end is no token

    CTokenizer unknown(std::string("*"));
    EXPECT_EQ(unknown.ExpectToken(""), 2);
}

TEST(Tokenizer, SymbolListEndsAtTheFirstEmptyString) {
    CTokenizer tokenizer(std::string("+-"));
    tokenizer.AddSymbols("+", std::string(), "-", "");
    std::string out;
    EXPECT_EQ(tokenizer.NextToken(out), kTokenSymbol);
    EXPECT_EQ(tokenizer.NextToken(out), kTokenUnknown);
}

TEST(Tokenizer, OwnCopyOutlivesTheCallersString) {
    std::string text = "alpha beta";
    CTokenizer tokenizer(text);
    text.assign(text.size(), '#');
    std::string out;
    EXPECT_EQ(tokenizer.NextToken(out), kTokenWord);
    EXPECT_EQ(out, "alpha");
}

TEST(Tokenizer, NegativeLengthIsAnInternalError) {
    ClearRecordedErrors();
    EXPECT_THROW(CTokenizer("ab", -2), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
    EXPECT_EQ(RecordedErrors()[0].module, 2037);
    EXPECT_EQ(RecordedErrors()[0].place, 29);
}

}  // namespace
