// A script host for the tests: it compiles a source as S/Main.txt, runs its
// page Main with its own executor and dispatches each record as a scene
// does without nodes: statements to themselves with this host, flow
// statements to the executor.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "script/script_executor.h"
#include "script/script_host.h"
#include "script/script_statement.h"
#include "script_fixtures.h"

class CTestScriptHost : public CScriptHost {
public:
    // Compiles source and runs it until it finishes. The number of
    // statements run, or -1 when it ran past limit (a loop that never ends).
    int Run(const std::string& source, int limit = 1000000) {
        auto unit = std::make_shared<CScriptUnit>();
        CompileOutcome outcome = CompileGuarded(source, *unit, classes_);
        EXPECT_TRUE(CompiledClean(outcome));
        if (!outcome.compiled) return 0;
        return RunUnit(unit, limit);
    }

    // The same with a unit made by the test, as the file S/Main.txt.
    int RunUnit(std::shared_ptr<CScriptUnit> unit, int limit = 1000000) {
        scripts_.Insert("S/Main.txt", std::move(unit));
        executor_.Clear();
        executor_.FarCall("S/Main.txt", "Main");
        int count = 0;
        while (CStatementRecord* record = executor_.Step(scripts_, classes_)) {
            if (++count > limit) return -1;
            CScriptCommand* command = record->command.get();
            if (command->GetCategory() == kCategoryStatement) {
                static_cast<CScriptStatement*>(command)->Execute(this);
            } else {
                executor_.Execute(command);
            }
        }
        return count;
    }

    void SetScriptEnabled(bool) override {}
    bool IsScriptRunning() override { return true; }
    void StopScript() override {}
    CScriptExecutor* GetExecutor() override { return &executor_; }
    CScriptCache* GetScriptCache() override { return &scripts_; }
    CScriptCache* GetClassCache() override { return &classes_; }
    void ExecuteCommand(CScriptCommand*) override {}
    void SendMessage(std::string) override {}
    void AddMessageListener(CMessageListener*) override {}
    void RemoveMessageListener(CMessageListener*) override {}
    CSoundGroup* GetSESoundGroup() override { return nullptr; }
    CSoundGroup* GetBGMSoundGroup() override { return nullptr; }
    CSoundGroup* GetVoiceSoundGroup() override { return nullptr; }
    CNode* GetRootNode() override { return nullptr; }
    void DropPendingStatement() override {}
    CScriptHost* GetParentHost() override { return this; }
    CSceneHost* GetSceneHost() override { return nullptr; }
    CScriptHost* GetCommandTarget() override { return this; }

private:
    CScriptExecutor executor_;
    CScriptCache scripts_, classes_;
};
