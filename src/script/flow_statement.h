// A statement that moves the script thread itself: jumps, calls, returns and
// waits. The host hands it to its executor, which passes itself in.
#pragma once

#include "script/script_command.h"

class CScriptExecutor;

class CFlowStatement : public CScriptCommand {
public:
    int GetCategory() const override;  // kCategoryFlowStatement
    virtual void Execute(CScriptExecutor* executor) = 0;
};
