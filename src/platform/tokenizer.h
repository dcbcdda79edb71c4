// Cuts Shift-JIS text into tokens: numbers, words, quoted strings and the
// punctuation the caller registers, skipping blanks, CR LF line ends and
// "//" and "/* */" comments. Lines are counted by CR LF pairs; a lone LF is
// an ordinary character. The tokenizer never reads past the end of its text.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

enum TokenKind : int {
    kTokenEnd = 1,           // nothing left
    kTokenUnknown = 2,       // nothing readable at the cursor; the cursor stays
    kTokenNumber = 3,        // a run of the digits 0-9
    kTokenWord = 4,          // a letter, "_" or a Shift-JIS pair, then those or digits
    kTokenString = 5,        // in double quotes; the text without the quotes
    kTokenSingleQuoted = 6,  // in single quotes; the text without the quotes
    kTokenSymbol = 7,        // a registered symbol
};

class CTokenizer {
public:
    // Results of the single readers.
    enum ReadResult {
        kRead = 0,
        kReadAtEnd = 1,
        kReadNotThisKind = 2,  // nothing consumed
    };

    // Over the caller's memory, which must outlive the tokenizer; a negative
    // length is an internal error.
    CTokenizer(const char* data, int length);
    // Over its own copy of text.
    explicit CTokenizer(std::string text);
    virtual ~CTokenizer() = default;
    CTokenizer(const CTokenizer&) = delete;
    CTokenizer& operator=(const CTokenizer&) = delete;

    // AddSymbols("<", "<=", ""): registers the punctuation that ReadSymbol
    // knows, up to the first empty string.
    template <typename... Symbols>
    void AddSymbols(const Symbols&... symbols) {
        AddSymbolList({std::string(symbols)...});
    }

    // The next token's kind, its text in out (empty for kTokenEnd and
    // kTokenUnknown). A string that the text ends inside is kTokenUnknown,
    // with the cursor left on its opening quote.
    TokenKind NextToken(std::string& out);
    // As NextToken, then the cursor and the line number are put back.
    TokenKind PeekToken(std::string& out);
    void SkipToken();
    // kRead when the next token's text is expected byte for byte, else
    // kReadNotThisKind; the token is consumed either way.
    int ExpectToken(const std::string& expected);
    // The next count bytes as they stand, without skipping anything; fewer
    // when the text ends first.
    std::string ReadRaw(int count);

    // Skips blanks, CR LF pairs and comments; kReadAtEnd when nothing is
    // left behind them, else kRead.
    int SkipBlanks();
    // Each skips blanks first, then reads its kind of token into out
    // (a ReadResult).
    int ReadNumber(std::string& out);
    int ReadWord(std::string& out);
    // Strings drop TABs and CR LF pairs (counting the line); a backslash
    // lets the byte after it in as it stands, the closing quote included.
    // A string that the text ends inside is kReadNotThisKind.
    int ReadQuotedString(std::string& out);
    int ReadSingleQuotedString(std::string& out);
    // The longest registered symbol at the cursor; of equal lengths, the one
    // registered first.
    int ReadSymbol(std::string& out);

    // CR LF pairs passed so far, counting from 1.
    int LineNumber() const { return line_; }

    // The unread text as it stands, for a reader that scans the bytes at the
    // cursor in place and then takes what it covered with ReadRaw.
    const char* Cursor() const { return cursor_; }
    int BytesLeft() const { return static_cast<int>(end_ - cursor_); }

private:
    void AddSymbolList(std::initializer_list<std::string> symbols);
    bool AtEnd() const { return cursor_ >= end_; }
    unsigned char Current() const { return static_cast<unsigned char>(*cursor_); }
    // Whether the next two bytes are first and second.
    bool At(char first, char second) const;
    // Steps over one character: a Shift-JIS pair whole, unless the text ends.
    void StepCharacter();
    // Skips a comment from its opener past its end (the first CR LF of a
    // line comment, the first "*/" of a block comment) or to the end of the
    // text, counting the CR LF pairs passed.
    void SkipComment(bool lineComment);
    // Clears out and skips blanks; then kReadAtEnd at the end of the text,
    // kReadNotThisKind when the byte at the cursor fails startsToken, else
    // kRead.
    template <typename Predicate>
    int StartToken(std::string& out, Predicate startsToken);
    int ReadDelimited(std::string& out, char quote);

    const char* cursor_;
    const char* end_;
    int line_;
    std::string text_;
    std::vector<std::string> symbols_;
};
