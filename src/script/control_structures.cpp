// "if", "for", "while" and "do" compiled into a page's flat list: each body
// goes into a page of its own, and is appended whole behind the jumps that
// lead around it, so distances computed at one level stay valid outside it.
// A jump executes with the index already on the statement after it; every
// distance below counts from there.
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/tokenizer.h"
#include "script/conditional_jump.h"
#include "script/expression_statement.h"
#include "script/jump_statement.h"
#include "script/nesting_level.h"
#include "script/script_compiler.h"
#include "script/script_page.h"

namespace {

int Count(const CScriptPage& page) { return static_cast<int>(page.Size()); }

std::unique_ptr<CJumpStatement> RelativeJump(int distance) {
    return std::make_unique<CJumpStatement>(distance, true);
}

}  // namespace

void CScriptCompiler::ParseBody(CTokenizer& tokenizer, CScriptPage& body) {
    // The end of the text, or a "}" where a statement belongs.
    if (ParseStatement(tokenizer, body) != 0) throw CScriptSyntaxError();
}

void CScriptCompiler::ParseIf(CTokenizer& tokenizer, CScriptPage& page) {
    // "if ... else if ... else if ..." is one level however long: a chain is
    // read in a loop, and every ELSE that is itself an "if" is compiled as
    // the next branch of the chain, with the records an "if" in the ELSE
    // would have given.
    CNestingLevel level(nesting_);
    struct Branch {
        std::string condition;
        CScriptPage body;
    };
    std::deque<Branch> branches;  // grows without moving the pages it holds
    CScriptPage last;  // the ELSE of the last "if"
    for (;;) {
        Branch& branch = branches.emplace_back();
        ParseConditionText(tokenizer, branch.condition);
        if (branch.condition.empty()) throw CScriptSyntaxError();
        ParseBody(tokenizer, branch.body);
        std::string next;
        tokenizer.PeekToken(next);
        if (next != "else") break;
        tokenizer.SkipToken();
        tokenizer.PeekToken(next);
        if (next != "if") {
            ParseBody(tokenizer, last);
            break;
        }
        tokenizer.SkipToken();
    }
    // The records after each branch's THEN: its ELSE, that is the rest of
    // the chain.
    std::vector<int> elseCounts(branches.size());
    int rest = Count(last);
    for (size_t i = branches.size(); i-- > 0;) {
        elseCounts[i] = rest;
        const int thenCount = Count(branches[i].body);
        rest = 1 + thenCount + (rest > 0 ? 1 + rest : 0);
    }
    for (size_t i = 0; i < branches.size(); ++i) {
        const int thenCount = Count(branches[i].body);
        const int elseCount = elseCounts[i];
        // False lands on the first ELSE record, or behind the "if".
        page.Append(std::make_unique<CConditionalJump>(branches[i].condition,
                                                       elseCount > 0 ? thenCount + 1 : thenCount));
        page.AppendPage(branches[i].body);
        if (elseCount > 0) page.Append(RelativeJump(elseCount));  // the end of THEN over ELSE
    }
    page.AppendPage(last);
}

void CScriptCompiler::ParseFor(CTokenizer& tokenizer, CScriptPage& page) {
    CNestingLevel level(nesting_);
    Expect(tokenizer, "(");
    // Each part may be left out; the expression ends where its scan stops.
    auto part = [&](const char* end, std::string& text) {
        std::string next;
        tokenizer.PeekToken(next);
        if (next != end) ParseExpressionText(tokenizer, text);
        Expect(tokenizer, end);
    };
    std::string init, condition, step;
    part(";", init);
    part(";", condition);
    part(")", step);
    CScriptPage body;
    ParseBody(tokenizer, body);
    int count = Count(body);
    page.Append(std::make_unique<CExpressionStatement>(init));
    page.Append(std::make_unique<CConditionalJump>(condition, count + 2));  // false: behind the loop
    page.AppendPage(body);
    page.Append(std::make_unique<CExpressionStatement>(step));
    page.Append(RelativeJump(-(count + 3)));  // back onto the conditional jump
}

void CScriptCompiler::ParseWhile(CTokenizer& tokenizer, CScriptPage& page) {
    CNestingLevel level(nesting_);
    std::string condition;
    ParseConditionText(tokenizer, condition);
    if (condition.empty()) throw CScriptSyntaxError();
    CScriptPage body;
    ParseBody(tokenizer, body);
    int count = Count(body);
    body.Append(RelativeJump(-(count + 2)));  // back onto the conditional jump
    page.Append(std::make_unique<CConditionalJump>(condition, count + 1));
    page.AppendPage(body);
}

void CScriptCompiler::ParseDoWhile(CTokenizer& tokenizer, CScriptPage& page) {
    CNestingLevel level(nesting_);
    CScriptPage body;
    ParseBody(tokenizer, body);
    Expect(tokenizer, "while");
    std::string condition;
    ParseConditionText(tokenizer, condition);
    if (condition.empty()) throw CScriptSyntaxError();
    int count = Count(body);
    page.AppendPage(body);
    page.Append(std::make_unique<CConditionalJump>(condition, 1));  // false: over the jump back
    page.Append(RelativeJump(-(count + 2)));                         // onto the first record of the body
}
