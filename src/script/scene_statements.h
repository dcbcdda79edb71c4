// "scene_call", "scene_shift" and "scene_return": switches of the scene
// host. The call and shift statements hold a scene built, never opened,
// when the script was compiled, and hand the host a copy of it each time
// they run. Each stops the script of the switching scene for the frame.
#pragma once

#include <memory>

#include "script/small_statements.h"

class CScene;

// Holds the prototype scene of a call or shift.
class CSceneSwitchStatement : public CInstantStatement {
public:
    explicit CSceneSwitchStatement(std::unique_ptr<CScene> prototype);
    ~CSceneSwitchStatement() override;
    CScene& Prototype() const { return *prototype_; }

protected:
    std::unique_ptr<CScene> prototype_;
};

// The current scene is suspended and stacked under a copy of the prototype.
class CSceneCallStatement : public CSceneSwitchStatement {
public:
    using CSceneSwitchStatement::CSceneSwitchStatement;
    int GetKind() const override;
    void Execute(CScriptHost* host) override;
    std::unique_ptr<CScriptStatement> Clone() const override;
};

// The current scene gives way to a copy of the prototype and is deleted at
// the next update.
class CSceneShiftStatement : public CSceneSwitchStatement {
public:
    using CSceneSwitchStatement::CSceneSwitchStatement;
    int GetKind() const override;
    void Execute(CScriptHost* host) override;
    std::unique_ptr<CScriptStatement> Clone() const override;
};

// Back to the scene that called, with an empty label.
class CSceneReturnStatement : public CInstantStatement {
public:
    int GetKind() const override;
    void Execute(CScriptHost* host) override;
    std::unique_ptr<CScriptStatement> Clone() const override;
};
