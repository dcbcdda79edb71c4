// The jump of the control structures: when its condition evaluates to 0 the
// script passes over the next skip statements (the executor's index already
// points past the jump). An empty condition never jumps. Only the low 16
// bits of the skip count are used, as statement indices wrap at 65536.
#pragma once

#include <optional>
#include <string>

#include "script/compiled_expression.h"
#include "script/script_statement.h"

class CConditionalJump : public CScriptStatement {
public:
    CConditionalJump(std::string condition, int skip);
    int GetKind() const override;  // kKindConditionalJump
    void Execute(CScriptHost* host) override;
    std::unique_ptr<CScriptStatement> Clone() const override;
    bool IsInstant() const override { return true; }

    const std::string& Condition() const { return condition_; }
    int Skip() const { return skip_; }

private:
    std::string condition_;
    // Built the first time the statement runs; a clone takes a copy.
    std::optional<CCompiledExpression> compiled_;
    int skip_;
};
