#include "script/wait_action_statement.h"

#include <algorithm>
#include <climits>

#include "scene/node.h"
#include "script/script_command_kind.h"
#include "script/script_executor.h"
#include "script/script_host.h"

int CWaitActionStatement::GetKind() const { return kKindWaitAction; }

void CWaitActionStatement::Execute(CScriptHost* host) {
    host_ = host;
    disabledScript_ = false;
    Update(0);
}

void CWaitActionStatement::Update(int) {
    CNode* root = host_->GetRootNode();
    if (disabledScript_) {
        if (root->IsAnimatingAt(path_, selector_)) return;
        disabledScript_ = false;
        host_->SetScriptEnabled(true);
        host_->DropPendingStatement();
        return;
    }
    CScriptExecutor* executor = host_->GetExecutor();
    if (executor->GetWait() > 0) return;
    const unsigned left = root->GetAnimationTimeLeftAt(path_, selector_);
    if (left == kAnimationEndless) {
        disabledScript_ = true;
        host_->SetScriptEnabled(false);
    } else if (left > 0) {
        // Times past the counter's range are waited out in several turns.
        executor->IncreaseWait(static_cast<int>(std::min<unsigned>(left, INT_MAX)));
    } else {
        host_->DropPendingStatement();
    }
}

std::unique_ptr<CScriptStatement> CWaitActionStatement::Clone() const {
    return std::make_unique<CWaitActionStatement>(path_, selector_);
}

bool CWaitActionStatement::IsInstant() const { return false; }
