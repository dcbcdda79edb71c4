// The readers of the flow and scene statements, which take no parentheses,
// and the rule that sound statements share.
#include <memory>
#include <string>

#include "media/sound_available.h"
#include "platform/tokenizer.h"
#include "script/flow_statements.h"
#include "script/scene.h"
#include "script/scene_statements.h"
#include "script/script_compiler.h"
#include "script/script_page.h"
#include "script/wait_key_statement.h"

void CScriptCompiler::ExpectComma(CTokenizer& tokenizer) { Expect(tokenizer, ","); }

void CScriptCompiler::ParseShift(CTokenizer& tokenizer, CScriptPage& page) {
    std::string name;
    ParseWordArgument(tokenizer, name);
    ExpectStatementEnd(tokenizer);
    page.Append(std::make_unique<CShiftStatement>(name));
}

void CScriptCompiler::ParseCall(CTokenizer& tokenizer, CScriptPage& page) {
    std::string name;
    ParseWordArgument(tokenizer, name);
    ExpectStatementEnd(tokenizer);
    page.Append(std::make_unique<CCallStatement>(name));
}

void CScriptCompiler::ParseFarCall(CTokenizer& tokenizer, CScriptPage& page) {
    std::string file, name;
    ParsePathArgument(tokenizer, file);
    ExpectComma(tokenizer);
    ParseWordArgument(tokenizer, name);
    ExpectStatementEnd(tokenizer);
    page.Append(std::make_unique<CFarCallStatement>(file, name));
}

void CScriptCompiler::ParseReturn(CTokenizer& tokenizer, CScriptPage& page) {
    ExpectStatementEnd(tokenizer);
    page.Append(std::make_unique<CReturnStatement>());
}

void CScriptCompiler::ParseWaitNumber(CTokenizer& tokenizer, CScriptPage& page) {
    const int32_t ms = ParseNumber(tokenizer);
    ExpectStatementEnd(tokenizer);
    page.Append(std::make_unique<CWaitStatement>(ms));
}

void CScriptCompiler::ParseWaitCall(CTokenizer& tokenizer, CScriptPage& page) {
    int32_t ms = 0;
    ParseArguments(tokenizer, {CScriptArgument::Number(ms)});
    page.Append(std::make_unique<CWaitStatement>(ms));
}

void CScriptCompiler::ParseSceneCall(CTokenizer& tokenizer, CScriptPage& page) {
    std::string file;
    ParsePathArgument(tokenizer, file);
    ExpectStatementEnd(tokenizer);
    page.Append(std::make_unique<CSceneCallStatement>(std::make_unique<CScene>(file)));
}

void CScriptCompiler::ParseSceneShift(CTokenizer& tokenizer, CScriptPage& page) {
    std::string file;
    ParsePathArgument(tokenizer, file);
    ExpectStatementEnd(tokenizer);
    page.Append(std::make_unique<CSceneShiftStatement>(std::make_unique<CScene>(file)));
}

void CScriptCompiler::ParseSceneReturn(CTokenizer& tokenizer, CScriptPage& page) {
    ExpectStatementEnd(tokenizer);
    page.Append(std::make_unique<CSceneReturnStatement>());
}

void CScriptCompiler::ParseWaitKey(CTokenizer& tokenizer, CScriptPage& page) {
    ParseArguments(tokenizer, {});
    page.Append(std::make_unique<CWaitKeyStatement>());
}

void CScriptCompiler::AppendSoundStatement(CScriptPage& page, std::unique_ptr<CScriptCommand> statement) {
    if (IsSoundAvailable()) page.Append(std::move(statement));
}
