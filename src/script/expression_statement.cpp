#include "script/expression_statement.h"

#include <utility>

#include "script/condition_evaluator.h"
#include "script/script_command_kind.h"

CExpressionStatement::CExpressionStatement(std::string text) : text_(std::move(text)) {}

int CExpressionStatement::GetKind() const { return kKindExpressionStatement; }

void CExpressionStatement::Execute(CScriptHost*) {
    if (!text_.empty()) CConditionEvaluator::Evaluate(text_);
}

std::unique_ptr<CScriptStatement> CExpressionStatement::Clone() const {
    return std::make_unique<CExpressionStatement>(text_);
}
