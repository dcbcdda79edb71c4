// The Create statements through their table, and the statements that act
// on nodes by path.
#include <memory>
#include <string>
#include <vector>

#include "scene/node.h"
#include "script/create_rows.h"
#include "script/data_actions.h"
#include "script/move_animators.h"
#include "script/node_commands.h"
#include "script/script_compiler.h"
#include "script/script_page.h"
#include "script/small_statements.h"

void CScriptCompiler::AppendCreatedNode(CScriptPage& page, std::unique_ptr<CNode> prototype, const std::string& path,
                                        const MovePlacement& placement) {
    page.Append(std::make_unique<CCreateNodeCommand>(std::move(prototype), path));
    page.AppendAt(path, std::make_unique<CMoveAnimator>(placement, 0, nullptr));
}

void CScriptCompiler::ParseCreate(CTokenizer& tokenizer, CScriptPage& page, const CreateRow& row) {
    std::string path;
    int32_t z = 0;
    MovePlacement placement{};
    CreateValues values;
    values.baseTextInterval = baseTextInterval_;
    values.basePath = basePath_;
    std::vector<CScriptArgument> arguments = {
        CScriptArgument::String(path),
        CScriptArgument::Number(z),
        CScriptArgument::HorizontalPlacement(placement.modeX, placement.valueX),
        CScriptArgument::VerticalPlacement(placement.modeY, placement.valueY),
    };
    int numbers = 0, strings = 0, paths = 0, colours = 0, flags = 0;
    for (ArgumentKind kind : row.further) {
        switch (kind) {
            case kArgumentNumber: arguments.push_back(CScriptArgument::Number(values.numbers[numbers++])); break;
            case kArgumentOptionalNumber:
                arguments.push_back(CScriptArgument::OptionalNumber(values.flags[flags++], values.numbers[numbers++]));
                break;
            case kArgumentString: arguments.push_back(CScriptArgument::String(values.strings[strings++])); break;
            case kArgumentPath: arguments.push_back(CScriptArgument::Path(values.paths[paths++])); break;
            case kArgumentColor: arguments.push_back(CScriptArgument::Color(values.colours[colours++])); break;
            default: arguments.push_back(CScriptArgument::Bool(values.flags[flags++])); break;
        }
    }
    ParseArguments(tokenizer, arguments);
    AppendCreatedNode(page, row.build(z, values), path, placement);
}

void CScriptCompiler::ParseSetBaseTextInterval(CTokenizer& tokenizer, CScriptPage&) {
    // The number is read straight into the member, with the argument list's
    // rules but without its clearing of an unset argument.
    Expect(tokenizer, "(");
    try {
        baseTextInterval_ = ParseNumber(tokenizer);
    } catch (const CScriptSyntaxError&) {
        // Abandoned, as any unreadable argument is.
    }
    Expect(tokenizer, ")");
    ExpectStatementEnd(tokenizer);
}

void CScriptCompiler::ParseDelete(CTokenizer& tokenizer, CScriptPage& page) {
    std::string path;
    ParseArguments(tokenizer, {CScriptArgument::String(path)});
    page.Append(std::make_unique<CDeleteNodeCommand>(path));
}

void CScriptCompiler::ParseRequest(CTokenizer& tokenizer, CScriptPage& page) {
    std::string path, message;
    ParseArguments(tokenizer, {CScriptArgument::String(path), CScriptArgument::String(message)});
    page.Append(std::make_unique<CRequestStatement>(path, message));
}

void CScriptCompiler::ParseSetHitable(CTokenizer& tokenizer, CScriptPage& page) {
    std::string path;
    bool enabled = false;
    ParseArguments(tokenizer, {CScriptArgument::String(path), CScriptArgument::Bool(enabled)});
    page.AppendAt(path, std::make_unique<CSetHitableCommand>(enabled));
}

void CScriptCompiler::ParseSetChip(CTokenizer& tokenizer, CScriptPage& page) {
    std::string path;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    ParseArguments(tokenizer, {CScriptArgument::String(path), CScriptArgument::Number(left),
                               CScriptArgument::Number(top), CScriptArgument::Number(right),
                               CScriptArgument::Number(bottom)});
    page.AppendAt(path, std::make_unique<CSetChipAction>(left, top, right, bottom));
}

void CScriptCompiler::ParseAddText(CTokenizer& tokenizer, CScriptPage& page) {
    std::string path;
    std::string text;
    ParseArguments(tokenizer, {CScriptArgument::String(path), CScriptArgument::String(text)});
    page.AppendAt(path, std::make_unique<CAddTextAction>(text));
}

void CScriptCompiler::ParseClearText(CTokenizer& tokenizer, CScriptPage& page) {
    std::string path;
    ParseArguments(tokenizer, {CScriptArgument::String(path)});
    page.AppendAt(path, std::make_unique<CClearTextAction>());
}
