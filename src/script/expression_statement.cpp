#include "script/expression_statement.h"

#include <utility>

#include "script/script_command_kind.h"

CExpressionStatement::CExpressionStatement(std::string text) : text_(std::move(text)) {}

int CExpressionStatement::GetKind() const { return kKindExpressionStatement; }

void CExpressionStatement::Execute(CScriptHost*) {
    if (text_.empty()) return;
    if (!compiled_) compiled_.emplace(text_);
    compiled_->Evaluate();
}

std::unique_ptr<CScriptStatement> CExpressionStatement::Clone() const {
    auto copy = std::make_unique<CExpressionStatement>(text_);
    copy->compiled_ = compiled_;
    return copy;
}
