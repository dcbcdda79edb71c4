#include "script/pending_statement.h"

#include <utility>

#include "script/script_command.h"
#include "script/script_executor.h"

CPendingStatement::CPendingStatement() = default;

CPendingStatement::CPendingStatement(const CPendingStatement& other)
    : statement_(other.statement_ ? other.statement_->Clone() : nullptr) {}

CPendingStatement::~CPendingStatement() = default;

template <class Call>
void CPendingStatement::RunHeld(Call call) {
    CScriptStatement* const outer = running_;
    running_ = statement_.get();
    try {
        call(*running_);
    } catch (...) {
        running_ = outer;
        throw;
    }
    running_ = outer;
    if (!running_) dropped_.clear();
}

void CPendingStatement::Start(std::unique_ptr<CScriptStatement> statement, CScriptHost* host) {
    Drop();
    statement_ = std::move(statement);
    RunHeld([host](CScriptStatement& held) { held.Execute(host); });
}

void CPendingStatement::Update(int ms) {
    if (!statement_) return;
    RunHeld([ms](CScriptStatement& held) { held.Update(ms); });
}

void CPendingStatement::Drop() {
    if (!statement_) return;
    std::unique_ptr<CScriptStatement> held = std::move(statement_);
    held->Stop();
    if (running_) dropped_.push_back(std::move(held));
}

bool RunHostStatement(CScriptCommand* command, CScriptHost* host, CScriptExecutor& executor,
                      CPendingStatement& pending) {
    switch (command->GetCategory()) {
        case kCategoryStatement: {
            auto* statement = static_cast<CScriptStatement*>(command);
            if (statement->IsInstant()) {
                statement->Execute(host);
            } else {
                pending.Start(statement->Clone(), host);
            }
            return true;
        }
        case kCategoryFlowStatement:
            executor.Execute(command);
            return true;
        default:
            return false;
    }
}
