// One compilation of one script file: reads the Shift-JIS text from the
// archives and fills a compiled unit with pages, and the class table with
// classes. Every compile error throws CScriptSyntaxError, which the file
// level turns into the one "Script Error" box.
#pragma once

#include <memory>
#include <set>
#include <string>

#include "script/script_argument.h"

class CNode;
class CScriptCache;
struct AnimationRow;
struct SoundRow;
struct WaitRow;
struct CreateRow;
struct MovePlacement;
class CScriptCommand;
class CScriptPage;
class CScriptUnit;
class CTokenizer;

// A compile error. It carries nothing: every compile error looks alike to
// the player, and the file level reports it.
struct CScriptSyntaxError {};

class CScriptCompiler {
public:
    // A compiler of the named file: its directory and the include base
    // path follow from the name. It fills nothing until a compile entry
    // below runs it.
    explicit CScriptCompiler(std::string fileName);
    virtual ~CScriptCompiler();
    CScriptCompiler(const CScriptCompiler&) = delete;
    CScriptCompiler& operator=(const CScriptCompiler&) = delete;

    // --- Files: the top level, pages, classes, blocks and statements. ---
    // Compiles the file, read whole from the packed archives (never as a
    // loose file), into unit; its classes go to classes. An empty name is a
    // "FileI/O Error" (2024, 56), a file that cannot be opened one of
    // (2024, 65), every compile error the one "Script Error" (2024, 99).
    static void CompileFile(const std::string& fileName, CScriptUnit& unit, CScriptCache& classes);
    // The same for length bytes at data, taken as the contents of fileName
    // (its directory is where "include" starts looking).
    static void CompileText(const std::string& fileName, const char* data, int length, CScriptUnit& unit,
                            CScriptCache& classes);

    // Reads one statement into page: 0 a statement (possibly empty, or a
    // skipped token), 1 the token was "}", 2 the token was empty (end of
    // text, an unreadable character, a quoted empty string).
    int ParseStatement(CTokenizer& tokenizer, CScriptPage& page);
    // Every sound statement ends here once its arguments are read: the
    // record is appended only while the process has a sound device, so
    // without one a sound statement compiles to nothing.
    static void AppendSoundStatement(CScriptPage& page, std::unique_ptr<CScriptCommand> statement);
    // The two records of every Create statement: the prototype added under
    // path when it runs, then a Move of no duration that places it there.
    static void AppendCreatedNode(CScriptPage& page, std::unique_ptr<CNode> prototype, const std::string& path,
                                  const MovePlacement& placement);
    // An animation statement's record at path, followed, when wait is set,
    // by a wait of the same duration.
    static void AppendAnimation(CScriptPage& page, const std::string& path, std::unique_ptr<CScriptCommand> action,
                                int32_t duration, bool wait);
    // The statements after an opening "{" up to its "}", into page.
    void ParseBlock(CTokenizer& tokenizer, CScriptPage& page);
    // The control structures, each after its keyword, compiled into flat
    // jumps at the end of page.
    void ParseIf(CTokenizer& tokenizer, CScriptPage& page);
    void ParseFor(CTokenizer& tokenizer, CScriptPage& page);
    void ParseWhile(CTokenizer& tokenizer, CScriptPage& page);
    void ParseDoWhile(CTokenizer& tokenizer, CScriptPage& page);
    // "select": the choice statement and its cases' bodies.
    void ParseSelect(CTokenizer& tokenizer, CScriptPage& page);

    // --- Argument syntax: the readers of statement arguments. ---
    // Every reader throws CScriptSyntaxError for what it cannot read.
    //
    // "(" the arguments separated by "," ")" ";". Every place is first given
    // the value of an unset argument (0, false, empty, no easing); an
    // argument that its reader cannot read is abandoned silently with what
    // the reader had stored, the tokens it took staying taken. A missing "(",
    // a wrong separator, a missing ")" or ";" is a syntax error, so the
    // number of arguments is always the statement's.
    void ParseArguments(CTokenizer& tokenizer, std::initializer_list<CScriptArgument> arguments);
    // The same for a list assembled by the statement's table row.
    void ParseArguments(CTokenizer& tokenizer, const std::vector<CScriptArgument>& arguments);
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
    // evaluator's scan covers from the cursor. A text nested too deeply is a
    // syntax error.
    void ParseExpressionText(CTokenizer& tokenizer, std::string& out);

    // "+" or "-" and the digits after it, or a token beginning with digits
    // (its leading digits). Held to the 32-bit range.
    int32_t ParseNumber(CTokenizer& tokenizer);
    // A number (given), or "invalid" (not given, value 0).
    void ParseOptionalNumber(CTokenizer& tokenizer, bool& given, int32_t& value);
    // A number (mode 1), or "@" and a number (mode 2, relative).
    void ParseRelativeNumber(CTokenizer& tokenizer, int32_t& mode, int32_t& value);
    // A double-quoted string.
    void ParseStringArgument(CTokenizer& tokenizer, std::string& out);
    // "true" or "false".
    bool ParseBool(CTokenizer& tokenizer);
    // A PlacementMode and its value; see PlacementMode for the forms. A "#"
    // followed by neither a number nor "@" stores nothing.
    void ParseHorizontalPlacement(CTokenizer& tokenizer, int32_t& mode, int32_t& value);
    // The same with the vertical words; its "intact" keeps the value.
    void ParseVerticalPlacement(CTokenizer& tokenizer, int32_t& mode, int32_t& value);
    // A colour word, "#" with 3, 4, 6 or 8 hexadecimal digits (RGB, RGBA,
    // RRGGBB, RRGGBBAA), "RGB" (r, g, b) or "RGBA" (r, g, b, a) with
    // components 0 to 255.
    Color32 ParseColor(CTokenizer& tokenizer);
    // An easing name ("Linear", "AccSin", "Acc3", ...).
    EasingCurve ParseEasing(CTokenizer& tokenizer);
    // "SE", "BGM" or "VOICE" with the channel number run on ("SE12"; none is
    // 0), or "CD", which leaves the number as it was.
    void ParseSoundChannel(CTokenizer& tokenizer, int32_t& kind, int32_t& number);
    // Anchors "(x, y)", each followed by up to two controls "{x, y}"; at
    // least 4 points, in segments of anchor, control, control, anchor.
    void ParseBezierPoints(CTokenizer& tokenizer, std::vector<ScriptPoint>& points);
    // Key points "(x, y)", each followed by its tangent "{x, y}"; at least 4
    // entries and an even count.
    void ParseHermitePoints(CTokenizer& tokenizer, std::vector<ScriptPoint>& points);

private:
    std::string fileName_;         // as given
    std::string directory_;        // of the normalised file name, with a trailing backslash
    std::string basePath_;         // for "include"; starts as directory_
    int baseTextInterval_ = 100;   // changed by SetBaseTextInterval for the rest of the file

    // --- Files: what the compile entries and the parsers above share. ---
    // The one compilation of a file from its bytes, inside the handler that
    // turns a compile error into its box. includer is the compiler of the
    // file whose "include" named this one, null at the outermost file.
    static void Compile(const std::string& fileName, const char* data, int length, CScriptUnit& unit,
                        CScriptCache& classes, const CScriptCompiler* includer);
    // Opens the file from the archives and compiles it.
    static void CompileArchived(const std::string& fileName, CScriptUnit& unit, CScriptCache& classes,
                                const CScriptCompiler* includer);
    void ParseTopLevel(CTokenizer& tokenizer);
    void ParsePage(CTokenizer& tokenizer);
    void ParseDirective(CTokenizer& tokenizer);
    void ParseClass(CTokenizer& tokenizer);
    // Reads a word into out; a compile error when the next token is none.
    static void ReadName(CTokenizer& tokenizer, std::string& out);
    // A compile error unless the next token is text.
    static void Expect(CTokenizer& tokenizer, const char* text);
    // A "{" at statement level: a block into the same page, one level deeper.
    void ParseNestedBlock(CTokenizer& tokenizer, CScriptPage& page);
    // One statement as a body of its own, compiled into body.
    void ParseBody(CTokenizer& tokenizer, CScriptPage& body);
    void ParseLabel(CTokenizer& tokenizer, CScriptPage& page);
    void ParseGoto(CTokenizer& tokenizer, CScriptPage& page);
    // The flow and scene statements without parentheses, each after its
    // name: "shift NAME;", "call NAME;", "far_call FILE, NAME;", "return;",
    // "wait N;", "Wait(N);", "scene_call FILE;", "scene_shift FILE;",
    // "scene_return;".
    void ParseShift(CTokenizer& tokenizer, CScriptPage& page);
    void ParseCall(CTokenizer& tokenizer, CScriptPage& page);
    void ParseFarCall(CTokenizer& tokenizer, CScriptPage& page);
    void ParseReturn(CTokenizer& tokenizer, CScriptPage& page);
    void ParseWaitNumber(CTokenizer& tokenizer, CScriptPage& page);
    void ParseWaitCall(CTokenizer& tokenizer, CScriptPage& page);
    void ParseSceneCall(CTokenizer& tokenizer, CScriptPage& page);
    void ParseSceneShift(CTokenizer& tokenizer, CScriptPage& page);
    void ParseSceneReturn(CTokenizer& tokenizer, CScriptPage& page);
    // The rows of the Create and animation tables, and the statements on
    // nodes and the system that take an argument list.
    void ParseCreate(CTokenizer& tokenizer, CScriptPage& page, const CreateRow& row);
    void ParseAnimation(CTokenizer& tokenizer, CScriptPage& page, const AnimationRow& row);
    void ParseSound(CTokenizer& tokenizer, CScriptPage& page, const SoundRow& row);
    void ParseWait(CTokenizer& tokenizer, CScriptPage& page, const WaitRow& row);
    // "DrawEffect" and "DrawEffectEx": a screen transition for the node path,
    // with no wait; the "Ex" form adds the easing.
    void ParseDrawEffect(CTokenizer& tokenizer, CScriptPage& page);
    void ParseDrawEffectEx(CTokenizer& tokenizer, CScriptPage& page);
    void ParseScreenTransition(CTokenizer& tokenizer, CScriptPage& page, bool ex);
    void ParseDelete(CTokenizer& tokenizer, CScriptPage& page);
    // "SetBaseTextInterval" (number): the base text interval of the text
    // statements after it in the file; no record. An argument that is no
    // number leaves the interval as it was.
    void ParseSetBaseTextInterval(CTokenizer& tokenizer, CScriptPage& page);
    void ParseRequest(CTokenizer& tokenizer, CScriptPage& page);
    void ParseSetHitable(CTokenizer& tokenizer, CScriptPage& page);
    void ParseSetChip(CTokenizer& tokenizer, CScriptPage& page);
    void ParseAddText(CTokenizer& tokenizer, CScriptPage& page);
    void ParseClearText(CTokenizer& tokenizer, CScriptPage& page);
    void ParseOperate(CTokenizer& tokenizer, CScriptPage& page);
    void ParseSystem(CTokenizer& tokenizer, CScriptPage& page);
    void ParseDraw(CTokenizer& tokenizer, CScriptPage& page);
    void ParseDebugOut(CTokenizer& tokenizer, CScriptPage& page);
    void ParseSetTimeCritical(CTokenizer& tokenizer, CScriptPage& page);
    void ParseSoundUnsynchronize(CTokenizer& tokenizer, CScriptPage& page);
    void ParsePlayCD(CTokenizer& tokenizer, CScriptPage& page);
    // "WaitKey();".
    void ParseWaitKey(CTokenizer& tokenizer, CScriptPage& page);
    // Consumes one token; a syntax error unless it is ",".
    void ExpectComma(CTokenizer& tokenizer);
    // Counts one level of nested blocks and control structures for its
    // lifetime; past kMaxNesting levels a compile error.
    class CNestingLevel;

    static constexpr int kMaxNesting = 256;

    CScriptUnit* unit_ = nullptr;
    CScriptCache* classes_ = nullptr;
    const CScriptCompiler* includer_ = nullptr;
    std::string includeKey_;       // the normalised file name in lower case
    int nesting_ = 0;
    std::set<std::string> pagesDefined_;  // by "page" in this file
};
