#include "script/wait_key_statement.h"

#include "script/script_command_kind.h"
#include "script/script_host.h"

CWaitKeyStatement::~CWaitKeyStatement() {
    if (waiting_) host_->RemoveMessageListener(this);
}

int CWaitKeyStatement::GetKind() const { return kKindWaitKey; }

void CWaitKeyStatement::Execute(CScriptHost* host) {
    pressed_ = false;
    host_ = host;
    waiting_ = true;
    host_->SetScriptEnabled(false);
    host_->AddMessageListener(this);
    host_->GetCommandTarget()->SendMessage("OnKeyWaitBegin");
}

void CWaitKeyStatement::Update(int) {
    if (pressed_ && waiting_) host_->DropPendingStatement();
}

void CWaitKeyStatement::Stop() {
    if (!waiting_) return;
    waiting_ = false;
    host_->GetCommandTarget()->SendMessage("OnKeyWaitEnd");
    host_->RemoveMessageListener(this);
    host_->SetScriptEnabled(true);
}

std::unique_ptr<CScriptStatement> CWaitKeyStatement::Clone() const { return std::make_unique<CWaitKeyStatement>(); }

bool CWaitKeyStatement::IsInstant() const { return false; }

int CWaitKeyStatement::HandleMessage(HWND, UINT message, WPARAM, LPARAM) {
    if (message != WM_KEYDOWN && message != WM_LBUTTONDOWN) return 0;
    pressed_ = true;
    return 1;
}
