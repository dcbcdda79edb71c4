// A node that runs a script class: the class unit's page "Main" starts when
// the node enters a tree, and runs beside the scene's script on the node's
// own executor, advancing with the frame. Statements of the class run with
// the node itself as their host, so their paths start at the node; it
// answers the rest of the host's questions through its owner, sharing the
// scene's caches, listeners and sound groups. A named message that names a
// page of the class runs that page at once; "#Lock", "#Release", "#Pause"
// and "#Play" steer the node. Buttons derive from it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "scene/scene_node.h"
#include "script/pending_statement.h"
#include "script/script_executor.h"
#include "script/script_host.h"

class CScriptUnit;

class CClassNode : public CSceneNode, public CScriptHost {
public:
    CClassNode(int x, int y, int z, std::string className);
    // Stops the pending statement and clears the node.
    ~CClassNode() override;
    CClassNode& operator=(const CClassNode&) = delete;

    // Finds the class in the owner's class cache ("Internal Error" 2007, 54
    // when it is missing), starts its "Main", resets the node, then runs
    // "Main" at once up to its first wait. A node without a class name runs
    // nothing.
    void Reset() override;
    void Clear() override;
    void Detach() override;
    CNode* Clone() override;
    // Unless paused: the script interleaved with the node's animators and
    // children, as a scene interleaves its script with its tree.
    void Update(int milliseconds) override;
    void ReceiveMessage(std::string name) override;
    int GetNodeKind() override;
    // Also true for kAnimatorAny and kAnimatorScript while the class script
    // has not finished.
    bool IsAnimating(AnimatorSelector which) override;
    // 4294967295 (no end known) for kAnimatorAny and kAnimatorScript while
    // the class script has not finished.
    unsigned GetAnimationTimeLeft(AnimatorSelector which) override;
    void Deactivate() override;

    // One statement of the class script: to the nodes its path reaches from
    // this node, or by its category.
    void ExecuteStatement(const std::string& path, CScriptCommand* command);

    // CScriptHost: the node's own executor, pending statement and root; the
    // rest from its owner.
    void SetScriptEnabled(bool enabled) override;
    bool IsScriptRunning() override;
    // Stops the node's script and its owner's for the frame.
    void StopScript() override;
    CScriptExecutor* GetExecutor() override;
    CScriptCache* GetScriptCache() override;
    CScriptCache* GetClassCache() override;
    // ApplyCommand on this node.
    void ExecuteCommand(CScriptCommand* command) override;
    // ReceiveMessage.
    void SendMessage(std::string name) override;
    void AddMessageListener(CMessageListener* listener) override;
    void RemoveMessageListener(CMessageListener* listener) override;
    CSoundGroup* GetSESoundGroup() override;
    CSoundGroup* GetBGMSoundGroup() override;
    CSoundGroup* GetVoiceSoundGroup() override;
    CNode* GetRootNode() override;
    void DropPendingStatement() override;
    CScriptHost* GetParentHost() override;
    CSceneHost* GetSceneHost() override;
    CScriptHost* GetCommandTarget() override;

    const std::string& GetClassName() const { return className_; }
    bool IsPaused() const { return paused_ != 0; }
    bool IsLocked() const { return locked_ != 0; }
    CScriptStatement* GetPendingStatement() const { return pending_.Get(); }

    // More statements than this in one Update end the game: a class loop
    // without a wait.
    static constexpr int kMaxStatementsPerUpdate = 1000000;
    // More page starts than this inside one another (a page that requests
    // its own name restarts inside itself) end the game as a loop.
    static constexpr int kMaxNestedUpdates = 64;

protected:
    // The scene-node part and the class name; a new, empty executor, no
    // unit and no pending statement.
    CClassNode(const CClassNode& other);

private:
    std::string className_;
    CScriptExecutor executor_;
    // The class this node runs, shared so that a later compile replacing the
    // class in the cache leaves the running definition whole until the next
    // Reset.
    std::shared_ptr<CScriptUnit> unit_;
    uint8_t script_ = 0;
    uint8_t paused_ = 0;
    uint8_t locked_ = 0;
    uint8_t running_ = 0;
    CPendingStatement pending_;
    // Updates of this node running inside one another.
    int updateDepth_ = 0;
};
