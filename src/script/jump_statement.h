// The jump of "goto" and of the control structures: absolute, the target
// replaces the statement index; relative, it is added to the index (16-bit,
// wrapping, so a negative target jumps back). The index already points at
// the statement after the jump when it runs.
#pragma once

#include "script/flow_statement.h"

class CJumpStatement : public CFlowStatement {
public:
    CJumpStatement(int target, bool relative) : target_(target), relative_(relative) {}
    int GetKind() const override;  // kKindJump
    void Execute(CScriptExecutor* executor) override;

    int Target() const { return target_; }
    bool IsRelative() const { return relative_; }

private:
    int target_;
    bool relative_;
};
