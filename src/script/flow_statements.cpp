#include "script/flow_statements.h"

#include "script/script_command_kind.h"
#include "script/script_executor.h"

int CWaitStatement::GetKind() const { return kKindWait; }

void CWaitStatement::Execute(CScriptExecutor* executor) { executor->IncreaseWait(ms_); }

int CCallStatement::GetKind() const { return kKindCall; }

void CCallStatement::Execute(CScriptExecutor* executor) { executor->Call(page_); }

int CFarCallStatement::GetKind() const { return kKindFarCall; }

void CFarCallStatement::Execute(CScriptExecutor* executor) { executor->FarCall(file_, page_); }

int CShiftStatement::GetKind() const { return kKindShift; }

void CShiftStatement::Execute(CScriptExecutor* executor) { executor->Shift(page_); }

int CReturnStatement::GetKind() const { return kKindReturn; }

void CReturnStatement::Execute(CScriptExecutor* executor) { executor->Return(); }
