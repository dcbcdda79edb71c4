#include "script/small_statements.h"

#include "platform/frame_clock_flags.h"
#include "scene/node.h"
#include "script/script_command_kind.h"
#include "script/script_host.h"

bool CInstantStatement::IsInstant() const { return true; }

int CSetTimeCriticalStatement::GetKind() const { return kKindSetTimeCritical; }

void CSetTimeCriticalStatement::Execute(CScriptHost*) { FrameClockFlags().timeCritical = on_; }

std::unique_ptr<CScriptStatement> CSetTimeCriticalStatement::Clone() const {
    return std::make_unique<CSetTimeCriticalStatement>(*this);
}

int CDrawStatement::GetKind() const { return kKindDraw; }

void CDrawStatement::Execute(CScriptHost* host) { host->StopScript(); }

std::unique_ptr<CScriptStatement> CDrawStatement::Clone() const { return std::make_unique<CDrawStatement>(); }

int CSoundUnsynchronizeStatement::GetKind() const { return kKindSoundUnsynchronize; }

void CSoundUnsynchronizeStatement::Execute(CScriptHost*) { FrameClockFlags().musicSync = false; }

std::unique_ptr<CScriptStatement> CSoundUnsynchronizeStatement::Clone() const {
    return std::make_unique<CSoundUnsynchronizeStatement>();
}

int CRequestStatement::GetKind() const { return kKindRequest; }

void CRequestStatement::Execute(CScriptHost* host) { host->GetRootNode()->Request(path_, message_); }

std::unique_ptr<CScriptStatement> CRequestStatement::Clone() const {
    return std::make_unique<CRequestStatement>(*this);
}

int CSystemStatement::GetKind() const { return kKindSystem; }

void CSystemStatement::Execute(CScriptHost* host) { host->GetCommandTarget()->SendMessage(text_); }

std::unique_ptr<CScriptStatement> CSystemStatement::Clone() const {
    return std::make_unique<CSystemStatement>(*this);
}

int CPlayCDCommand::GetCategory() const { return kCategoryCD; }

int CPlayCDCommand::GetKind() const { return kKindPlayCD; }
