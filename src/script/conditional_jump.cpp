#include "script/conditional_jump.h"

#include <cstdint>
#include <utility>

#include "script/script_command_kind.h"
#include "script/script_executor.h"
#include "script/script_host.h"

CConditionalJump::CConditionalJump(std::string condition, int skip)
    : condition_(std::move(condition)), skip_(skip) {}

int CConditionalJump::GetKind() const { return kKindConditionalJump; }

void CConditionalJump::Execute(CScriptHost* host) {
    if (condition_.empty()) return;
    // Evaluated afresh each time: the variables may have changed since.
    if (!compiled_) compiled_.emplace(condition_);
    if (compiled_->Evaluate() == 0) {
        host->GetExecutor()->AdvanceIndex(static_cast<uint16_t>(skip_));
    }
}

std::unique_ptr<CScriptStatement> CConditionalJump::Clone() const {
    auto copy = std::make_unique<CConditionalJump>(condition_, skip_);
    copy->compiled_ = compiled_;
    return copy;
}
