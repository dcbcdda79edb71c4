// One compilation of one script file: reads the Shift-JIS text from the
// archives and fills a compiled unit with pages, and the class table with
// classes. Every compile error throws CScriptSyntaxError, which the file
// level turns into the one "Script Error" box.
#pragma once

#include <string>

class CTokenizer;

// A compile error. It carries nothing: every compile error looks alike to
// the player, and the file level reports it.
struct CScriptSyntaxError {};

class CScriptCompiler {
public:
    virtual ~CScriptCompiler();

    // --- Argument syntax: the readers of statement arguments. ---
    // Consumes one token; a syntax error unless it is ";".
    void ExpectStatementEnd(CTokenizer& tokenizer);
    // The word and path readers as the statement parser calls them outside
    // an argument list (a path is a double-quoted string resolved against
    // the base path).
    void ParseWordArgument(CTokenizer& tokenizer, std::string& out);
    void ParsePathArgument(CTokenizer& tokenizer, std::string& out);
    // "(" expression ")": the expression is checked by the evaluator at the
    // cursor and kept as the raw text its scan covered.
    void ParseConditionText(CTokenizer& tokenizer, std::string& out);
    // The expression reader alone (no parentheses): the raw text the
    // evaluator's scan covers from the cursor.
    void ParseExpressionText(CTokenizer& tokenizer, std::string& out);

private:
    std::string fileName_;         // as given
    std::string directory_;        // of the normalised file name, with a trailing backslash
    std::string basePath_;         // for "include"; starts as directory_
    int baseTextInterval_ = 100;   // changed by SetBaseTextInterval for the rest of the file
};
