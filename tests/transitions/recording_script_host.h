// A script host for the tests of the things nodes hold: it runs no script and
// only records which message listeners are registered with it, in order.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "script/script_host.h"

class CRecordingScriptHost : public CScriptHost {
public:
    const std::vector<CMessageListener*>& Listeners() const { return listeners_; }
    // Registrations and removals seen so far.
    int AddCount() const { return adds_; }
    int RemoveCount() const { return removes_; }

    void AddMessageListener(CMessageListener* listener) override {
        ++adds_;
        listeners_.push_back(listener);
    }
    void RemoveMessageListener(CMessageListener* listener) override {
        ++removes_;
        listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener),
                         listeners_.end());
    }

    void SetScriptEnabled(bool) override {}
    bool IsScriptRunning() override { return false; }
    void StopScript() override {}
    CScriptExecutor* GetExecutor() override { return nullptr; }
    CScriptCache* GetScriptCache() override { return nullptr; }
    CScriptCache* GetClassCache() override { return nullptr; }
    void ExecuteCommand(CScriptCommand*) override {}
    void SendMessage(std::string) override {}
    CSoundGroup* GetSESoundGroup() override { return nullptr; }
    CSoundGroup* GetBGMSoundGroup() override { return nullptr; }
    CSoundGroup* GetVoiceSoundGroup() override { return nullptr; }
    CNode* GetRootNode() override { return nullptr; }
    void DropPendingStatement() override {}
    CScriptHost* GetParentHost() override { return this; }
    CSceneHost* GetSceneHost() override { return nullptr; }
    CScriptHost* GetCommandTarget() override { return this; }

private:
    std::vector<CMessageListener*> listeners_;
    int adds_ = 0;
    int removes_ = 0;
};
