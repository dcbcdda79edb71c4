// "select" "{" { "case" NAME ":" STATEMENT } "}" compiled into its page's
// flat list: the select statement with each case's offset, then the cases'
// records in source order, each but the last followed by a relative jump to
// the record after the last case. Offsets count from the record after the
// select statement.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/tokenizer.h"
#include "script/jump_statement.h"
#include "script/nesting_level.h"
#include "script/script_compiler.h"
#include "script/script_page.h"
#include "script/select_statement.h"

void CScriptCompiler::ParseSelect(CTokenizer& tokenizer, CScriptPage& page) {
    CNestingLevel level(nesting_);
    Expect(tokenizer, "{");
    std::vector<std::pair<std::string, CScriptPage>> cases;
    CSelectStatement::CaseTable table;
    for (;;) {
        std::string token;
        tokenizer.NextToken(token);
        if (token == "}") break;
        if (token != "case") throw CScriptSyntaxError();  // an empty token too
        // Any token names a case by its text; a path with "/" must be quoted.
        std::string name;
        tokenizer.NextToken(name);
        if (name.empty() || table.count(name) != 0) throw CScriptSyntaxError();
        Expect(tokenizer, ":");
        table[name] = 0;
        cases.emplace_back(name, CScriptPage());
        ParseBody(tokenizer, cases.back().second);
    }
    if (cases.empty()) throw CScriptSyntaxError();

    int end = static_cast<int>(cases.size()) - 1;  // E: every record of every case and the jumps between them
    for (const auto& entry : cases) end += static_cast<int>(entry.second.Size());
    int offset = 0;
    for (const auto& entry : cases) {
        table[entry.first] = offset;
        offset += static_cast<int>(entry.second.Size()) + 1;
    }
    page.Append(std::make_unique<CSelectStatement>(std::move(table)));
    offset = 0;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        CScriptPage& body = cases[k].second;
        offset += static_cast<int>(body.Size()) + 1;
        page.AppendPage(body);
        if (k + 1 < cases.size()) page.Append(std::make_unique<CJumpStatement>(end - offset, true));
    }
}
