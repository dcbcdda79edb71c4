#include "script/script_page.h"

#include "script/script_compiler.h"

void CScriptPage::Reserve(size_t more) {
    if (more > kMaxStatements - records_.size()) throw CScriptSyntaxError();
}

void CScriptPage::Append(std::unique_ptr<CScriptCommand> command) {
    Reserve(1);
    records_.push_back(CStatementRecord{std::string(), std::move(command)});
}

void CScriptPage::AppendAt(std::string path, std::unique_ptr<CScriptCommand> command) {
    Reserve(1);
    records_.push_back(CStatementRecord{std::move(path), std::move(command)});
}

void CScriptPage::AppendPage(CScriptPage& body) {
    Reserve(body.records_.size());
    for (CStatementRecord& record : body.records_) records_.push_back(std::move(record));
    body.records_.clear();
    body.labels_.clear();
}
