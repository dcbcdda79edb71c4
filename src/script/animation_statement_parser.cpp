// The animation statements through their table, and the system statements.
#include <memory>
#include <string>
#include <vector>

#include "script/animation_rows.h"
#include "script/expression_statement.h"
#include "script/flow_statements.h"
#include "script/script_compiler.h"
#include "script/script_page.h"
#include "script/small_statements.h"
#include "transitions/screen_transition.h"

void CScriptCompiler::AppendAnimation(CScriptPage& page, const std::string& path,
                                      std::unique_ptr<CScriptCommand> action, int32_t duration, bool wait) {
    page.AppendAt(path, std::move(action));
    if (wait) page.Append(std::make_unique<CWaitStatement>(duration));
}

void CScriptCompiler::ParseAnimation(CTokenizer& tokenizer, CScriptPage& page, const AnimationRow& row) {
    AnimationValues values;
    std::vector<CScriptArgument> arguments = {CScriptArgument::String(values.path),
                                              CScriptArgument::Number(values.duration)};
    row.ownArguments(values, row.ex, arguments);
    arguments.push_back(CScriptArgument::Bool(values.wait));
    if (row.ex) arguments.push_back(CScriptArgument::Easing(values.easing));
    ParseArguments(tokenizer, arguments);
    AppendAnimation(page, values.path, row.build(values, row.ex), values.duration, values.wait);
}

void CScriptCompiler::ParseDrawEffect(CTokenizer& tokenizer, CScriptPage& page) {
    ParseScreenTransition(tokenizer, page, false);
}

void CScriptCompiler::ParseDrawEffectEx(CTokenizer& tokenizer, CScriptPage& page) {
    ParseScreenTransition(tokenizer, page, true);
}

// The transition checks its levels and kind name as it is built, so a bad
// one stops the compilation.
void CScriptCompiler::ParseScreenTransition(CTokenizer& tokenizer, CScriptPage& page, bool ex) {
    std::string path;
    int32_t duration = 0;
    std::string kind;
    int32_t startLevel = 0;
    int32_t endLevel = 0;
    EasingCurve easing = nullptr;
    std::vector<CScriptArgument> arguments = {
        CScriptArgument::String(path), CScriptArgument::Number(duration), CScriptArgument::String(kind),
        CScriptArgument::Number(startLevel), CScriptArgument::Number(endLevel)};
    if (ex) arguments.push_back(CScriptArgument::Easing(easing));
    ParseArguments(tokenizer, arguments);
    // A negative duration counts as 0, as for every timed statement: cast
    // as it stands it would become the counter's endless marker.
    const unsigned length = duration < 0 ? 0u : static_cast<unsigned>(duration);
    page.AppendAt(path, std::make_unique<CScreenTransition>(length, kind, startLevel, endLevel, easing));
}

void CScriptCompiler::ParseOperate(CTokenizer& tokenizer, CScriptPage& page) {
    std::string text;
    ParseArguments(tokenizer, {CScriptArgument::Expression(text)});
    page.Append(std::make_unique<CExpressionStatement>(text));
}

void CScriptCompiler::ParseSystem(CTokenizer& tokenizer, CScriptPage& page) {
    std::string text;
    ParseArguments(tokenizer, {CScriptArgument::String(text)});
    page.Append(std::make_unique<CSystemStatement>(text));
}

void CScriptCompiler::ParseDraw(CTokenizer& tokenizer, CScriptPage& page) {
    ParseArguments(tokenizer, std::vector<CScriptArgument>());
    page.Append(std::make_unique<CDrawStatement>());
}

// The text is read for its syntax only: the statement compiles to nothing.
void CScriptCompiler::ParseDebugOut(CTokenizer& tokenizer, CScriptPage&) {
    std::string text;
    ParseArguments(tokenizer, {CScriptArgument::String(text)});
}

void CScriptCompiler::ParseSetTimeCritical(CTokenizer& tokenizer, CScriptPage& page) {
    bool on = false;
    ParseArguments(tokenizer, {CScriptArgument::Bool(on)});
    page.Append(std::make_unique<CSetTimeCriticalStatement>(on));
}

// Built whether or not a sound device is there.
void CScriptCompiler::ParseSoundUnsynchronize(CTokenizer& tokenizer, CScriptPage& page) {
    ParseArguments(tokenizer, std::vector<CScriptArgument>());
    page.Append(std::make_unique<CSoundUnsynchronizeStatement>());
}

void CScriptCompiler::ParsePlayCD(CTokenizer& tokenizer, CScriptPage& page) {
    int32_t track = 0;
    ParseArguments(tokenizer, {CScriptArgument::Number(track)});
    AppendSoundStatement(page, std::make_unique<CPlayCDCommand>(track));
}
