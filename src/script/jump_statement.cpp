#include "script/jump_statement.h"

#include <cstdint>

#include "script/script_command_kind.h"
#include "script/script_executor.h"

int CJumpStatement::GetKind() const { return kKindJump; }

void CJumpStatement::Execute(CScriptExecutor* executor) {
    // Only the low 16 bits count: the index wraps at 65536.
    uint16_t target = static_cast<uint16_t>(target_);
    if (relative_) {
        executor->AdvanceIndex(target);
    } else {
        executor->SetIndex(target);
    }
}
