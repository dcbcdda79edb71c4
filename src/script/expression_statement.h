// Evaluates an expression for its side effects on the script variables and
// drops its value: the first and third parts of "for", and "Operate". An
// empty text does nothing.
#pragma once

#include <optional>
#include <string>

#include "script/compiled_expression.h"
#include "script/script_statement.h"

class CExpressionStatement : public CScriptStatement {
public:
    explicit CExpressionStatement(std::string text);
    int GetKind() const override;  // kKindExpressionStatement
    void Execute(CScriptHost* host) override;
    std::unique_ptr<CScriptStatement> Clone() const override;
    bool IsInstant() const override { return true; }

    const std::string& Text() const { return text_; }

private:
    std::string text_;
    // Built the first time the statement runs; a clone takes a copy.
    std::optional<CCompiledExpression> compiled_;
};
