// The integer expressions of the script language: conditions, the parts of
// "for", and expression statements that assign script variables. Parsing and
// evaluation are one pass, so side effects happen in text order, and "&&" and
// "||" always evaluate both sides. The evaluator knows no variables: the
// caller's callbacks read a name and give the address of an assignable one.
//
// It scans the caller's bytes in place and allocates nothing, so the compiler
// can hand it the rest of a script file at the cursor and take the bytes its
// parse covered. Bytes above 127 are neither letters nor digits: they end the
// scan like any other unexpected character.
//
// Values are 32-bit with two's-complement wrap-around. "/" and "%" by zero
// give 0 and end their term; "/=" and "%=" by zero make the variable 0; the
// smallest int divided by -1 stays itself, with remainder 0.
#pragma once

#include <bitset>
#include <cstdint>
#include <string_view>

#include "script/expression_syntax.h"

class CExpressionEvaluator {
public:
    // The value of a name that is not assignable.
    using ReadCallback = int32_t (*)(std::string_view name);
    // The variable a name stands for, or null when it is none.
    using AddressCallback = int32_t* (*)(std::string_view name);

    enum Status : int {
        kStatusOk = 0,
        kStatusEmpty = 1,     // the text was empty
        kStatusLeftOver = 3,  // tokens were left after the expression
    };

    // More than this many levels of parentheses or chained assignments in one
    // expression are refused: Check throws CScriptSyntaxError, Evaluate
    // answers 0 with tokens left over.
    static constexpr int kMaxNesting = 256;

    // Characters that count as letters in names besides A-Z, a-z, 0-9 and
    // "_" (scripts use "$@#", which makes @12 and #count single names).
    void SetSigils(std::string_view characters);
    void SetReadCallback(ReadCallback callback) { read_ = callback; }
    void SetAddressCallback(AddressCallback callback) { address_ = callback; }

    // The value of the text: 0 with kStatusEmpty for an empty text, 0 with
    // kStatusLeftOver when tokens are left after the expression (its side
    // effects have happened). An unexpected character ends the text there.
    int32_t Evaluate(std::string_view text);
    // Parses the text with inert variables: every name is assignable and
    // all of them share one scratch integer, and a zero divisor does not end
    // its term, so the whole expression as written is covered whatever the
    // values. Sets the status as Evaluate does and answers true; the
    // callbacks are neither called nor changed.
    bool Check(std::string_view text);
    int GetStatus() const { return status_; }
    // The bytes from the start of the last text to the end of the last token
    // its parse consumed: what an expression written in a longer text covers.
    int GetScanLength() const { return static_cast<int>(consumedEnd_ - begin_); }

private:
    using Token = expression::Token;

    // Where the parse stands: what a look-ahead at a variable puts back.
    struct Position {
        const char* cursor;
        Token token;
        const char* consumedEnd;
    };

    struct TooDeep {};

    void Begin(std::string_view text);
    void ReadToken();
    // Consumes the current token and reads the next.
    void Advance();
    bool At(int op) const { return token_.kind == expression::kOperator && token_.op == op; }
    Position Save() const { return {cursor_, token_, consumedEnd_}; }
    void Restore(const Position& position);
    std::string_view TokenText() const { return {token_.start, static_cast<size_t>(token_.length)}; }

    int32_t ParseSequence();
    int32_t ParseAssignment();
    int32_t ParseOr();
    int32_t ParseAnd();
    int32_t ParseComparison();
    int32_t ParseAdditive();
    int32_t ParseTerm();
    int32_t ParseUnary();
    int32_t ParsePrimary();
    // A name with an address, or one inside parentheses; null with the
    // position put back when the text here is none.
    int32_t* ParseVariable();
    int32_t* AddressOf(std::string_view name);
    int32_t ReadValue(std::string_view name);

    std::bitset<128> sigils_;
    ReadCallback read_ = nullptr;
    AddressCallback address_ = nullptr;

    const char* begin_ = nullptr;
    const char* end_ = nullptr;
    const char* cursor_ = nullptr;
    const char* consumedEnd_ = nullptr;
    Token token_;
    int status_ = kStatusOk;
    int depth_ = 0;
    bool checking_ = false;
    int32_t scratch_ = 0;
};
