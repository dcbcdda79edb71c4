#include "script/scene_statements.h"

#include <utility>

#include "script/scene.h"
#include "script/scene_host.h"
#include "script/script_command_kind.h"

CSceneSwitchStatement::CSceneSwitchStatement(std::unique_ptr<CScene> prototype)
    : prototype_(std::move(prototype)) {}

CSceneSwitchStatement::~CSceneSwitchStatement() = default;

int CSceneCallStatement::GetKind() const { return kKindSceneCall; }

void CSceneCallStatement::Execute(CScriptHost* host) {
    host->GetSceneHost()->CallScene(prototype_->Clone());
    host->StopScript();
}

std::unique_ptr<CScriptStatement> CSceneCallStatement::Clone() const {
    return std::make_unique<CSceneCallStatement>(prototype_->Clone());
}

int CSceneShiftStatement::GetKind() const { return kKindSceneShift; }

void CSceneShiftStatement::Execute(CScriptHost* host) {
    host->GetSceneHost()->ShiftScene(prototype_->Clone());
    host->StopScript();
}

std::unique_ptr<CScriptStatement> CSceneShiftStatement::Clone() const {
    return std::make_unique<CSceneShiftStatement>(prototype_->Clone());
}

int CSceneReturnStatement::GetKind() const { return kKindSceneReturn; }

void CSceneReturnStatement::Execute(CScriptHost* host) {
    host->GetSceneHost()->ReturnScene(std::string());
    host->StopScript();
}

std::unique_ptr<CScriptStatement> CSceneReturnStatement::Clone() const {
    return std::make_unique<CSceneReturnStatement>();
}
