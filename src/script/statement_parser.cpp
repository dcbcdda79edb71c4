#include <string>
#include <unordered_map>

#include "platform/tokenizer.h"
#include "script/animation_rows.h"
#include "script/create_rows.h"
#include "script/jump_statement.h"
#include "script/nesting_level.h"
#include "script/script_compiler.h"
#include "script/script_page.h"
#include "script/sound_rows.h"

int CScriptCompiler::ParseStatement(CTokenizer& tokenizer, CScriptPage& page) {
    // What a statement name does: its reader (none for the names that emit
    // nothing) and the result of the call. Names match the whole token,
    // case significant, whatever kind of token it is.
    struct Statement {
        void (CScriptCompiler::*reader)(CTokenizer&, CScriptPage&);
        int result;
    };
    static const std::unordered_map<std::string, Statement> kStatements = {
        {"goto", {&CScriptCompiler::ParseGoto, 0}},
        {"label", {&CScriptCompiler::ParseLabel, 0}},
        {"shift", {&CScriptCompiler::ParseShift, 0}},
        {"call", {&CScriptCompiler::ParseCall, 0}},
        {"far_call", {&CScriptCompiler::ParseFarCall, 0}},
        {"return", {&CScriptCompiler::ParseReturn, 0}},
        {"wait", {&CScriptCompiler::ParseWaitNumber, 0}},
        {"Wait", {&CScriptCompiler::ParseWaitCall, 0}},
        {"if", {&CScriptCompiler::ParseIf, 0}},
        {"for", {&CScriptCompiler::ParseFor, 0}},
        {"while", {&CScriptCompiler::ParseWhile, 0}},
        {"do", {&CScriptCompiler::ParseDoWhile, 0}},
        {"select", {&CScriptCompiler::ParseSelect, 0}},
        {"{", {&CScriptCompiler::ParseNestedBlock, 0}},
        {"}", {nullptr, 1}},
        {"scene_call", {&CScriptCompiler::ParseSceneCall, 0}},
        {"scene_shift", {&CScriptCompiler::ParseSceneShift, 0}},
        {"scene_return", {&CScriptCompiler::ParseSceneReturn, 0}},
        {"Delete", {&CScriptCompiler::ParseDelete, 0}},
        {"Request", {&CScriptCompiler::ParseRequest, 0}},
        {"SetHitable", {&CScriptCompiler::ParseSetHitable, 0}},
        {"SoundUnsynchronize", {&CScriptCompiler::ParseSoundUnsynchronize, 0}},
        {"Operate", {&CScriptCompiler::ParseOperate, 0}},
        {"System", {&CScriptCompiler::ParseSystem, 0}},
        {"Draw", {&CScriptCompiler::ParseDraw, 0}},
        {"DebugOut", {&CScriptCompiler::ParseDebugOut, 0}},
        {"SetChip", {&CScriptCompiler::ParseSetChip, 0}},
        {"AddText", {&CScriptCompiler::ParseAddText, 0}},
        {"ClearText", {&CScriptCompiler::ParseClearText, 0}},
        {"PlayCD", {&CScriptCompiler::ParsePlayCD, 0}},
        {"SetTimeCritical", {&CScriptCompiler::ParseSetTimeCritical, 0}},
        {"WaitKey", {&CScriptCompiler::ParseWaitKey, 0}},
        {"DrawEffect", {&CScriptCompiler::ParseDrawEffect, 0}},
        {"DrawEffectEx", {&CScriptCompiler::ParseDrawEffectEx, 0}},
        {"SetBaseTextInterval", {&CScriptCompiler::ParseSetBaseTextInterval, 0}},
        {";", {nullptr, 0}},
        {",", {nullptr, 0}},
    };
    std::string name;
    tokenizer.NextToken(name);
    if (name.empty()) return 2;
    auto found = kStatements.find(name);
    if (found == kStatements.end()) {
        // The Create, animation, sound and wait statements come from their
        // tables; any other token is skipped alone.
        if (const CreateRow* row = FindCreateRow(name)) {
            ParseCreate(tokenizer, page, *row);
        } else if (const AnimationRow* row = FindAnimationRow(name)) {
            ParseAnimation(tokenizer, page, *row);
        } else if (const SoundRow* row = FindSoundRow(name)) {
            ParseSound(tokenizer, page, *row);
        } else if (const WaitRow* row = FindWaitRow(name)) {
            ParseWait(tokenizer, page, *row);
        }
        return 0;
    }
    if (found->second.reader) (this->*found->second.reader)(tokenizer, page);
    return found->second.result;
}

void CScriptCompiler::ParseBlock(CTokenizer& tokenizer, CScriptPage& page) {
    for (;;) {
        switch (ParseStatement(tokenizer, page)) {
            case 0: break;
            case 1: return;
            default: throw CScriptSyntaxError();  // the text ends inside the block
        }
    }
}

void CScriptCompiler::ParseNestedBlock(CTokenizer& tokenizer, CScriptPage& page) {
    CNestingLevel level(nesting_);
    ParseBlock(tokenizer, page);
}

void CScriptCompiler::ParseLabel(CTokenizer& tokenizer, CScriptPage& page) {
    std::string name;
    ParseWordArgument(tokenizer, name);
    ExpectStatementEnd(tokenizer);
    // The index of the next statement; a later label of the name wins for
    // the gotos after it. In the body of a control structure the page is
    // the body's own, which is dropped once appended: such a label is read
    // and has no effect.
    page.Labels()[name] = static_cast<int>(page.Size());
}

void CScriptCompiler::ParseGoto(CTokenizer& tokenizer, CScriptPage& page) {
    std::string name;
    ParseWordArgument(tokenizer, name);
    ExpectStatementEnd(tokenizer);
    // Only labels read before the goto in this page count; any other name
    // restarts the page.
    auto found = page.Labels().find(name);
    page.Append(std::make_unique<CJumpStatement>(found == page.Labels().end() ? 0 : found->second, false));
}
