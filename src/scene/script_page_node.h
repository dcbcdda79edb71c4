// A node that runs a script file of its own, like a small scene inside the
// scene: its own caches and executor start the file at "Main" when the node
// enters a tree, the nodes the script creates become its children and belong
// to it, and its script runs interleaved with its children in every update,
// its time multiplied by the node's time scale. Window messages reach it
// through its owner's listeners and go on to the buttons registered with the
// page, unless the page is locked ("#Lock" / "#Release"), which holds back
// clicks and keys. It also holds the menu's two page commands: a fade of its
// content and a pause of its script.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/message_broadcaster.h"
#include "platform/transform2d.h"
#include "scene/page_command.h"
#include "scene/scene_node.h"
#include "script/pending_statement.h"
#include "script/script_cache.h"
#include "script/script_executor.h"
#include "script/script_host.h"

class CScriptPageNode : public CSceneNode, public CScriptHost, public CMessageBroadcaster {
public:
    // An empty file name: the page runs no script.
    CScriptPageNode(int x, int y, int z, std::string file, double speed);
    // Drops the held statement and commands and leaves the owner's listeners.
    ~CScriptPageNode() override;
    CScriptPageNode& operator=(const CScriptPageNode&) = delete;

    // Starts the file at "Main", listens to the owner's messages, resets the
    // node and runs the script up to its first wait.
    void Reset() override;
    void Clear() override;
    void Detach() override;
    // The node part, the time scale, the content placement and the file;
    // fresh caches and executor, nothing running.
    CNode* Clone() override;
    // Steps the held page commands, then runs the script for the
    // milliseconds times the time scale.
    void Update(int milliseconds) override;
    // "#Lock" and "#Release"; the page runs no page by message name.
    void ReceiveMessage(std::string name) override;
    // Page commands are held, statements run with the page as their host,
    // flow statements go to the executor, sound commands to the command
    // target, the rest to the node part.
    void ApplyCommand(CScriptCommand* command) override;
    int GetNodeKind() override;
    // Also true for kAnimatorAny and kAnimatorScript while the script of a
    // started page has not finished.
    bool IsAnimating(AnimatorSelector which) override;
    // 4294967295 (no end known) for kAnimatorAny while the script of a
    // started page has not finished.
    unsigned GetAnimationTimeLeft(AnimatorSelector which) override;
    void Deactivate() override;
    // The page is its own owner: the nodes its script creates belong to it.
    CScriptHost* GetOwner() override;
    // The placement composed with the content placement.
    CTransform2D* GetTransform(CTransform2D* out) override;

    // While locked, key presses and releases, mouse moves and left and right
    // clicks are held back (answer 0); everything else is offered to the
    // page's listeners in order.
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // Whether a script pause is held and still runs.
    bool QueryMenuCommand();
    // Ends the held script pause early and lets go of it.
    void FinishMenuCommand();

    // The opacity of the page's content, multiplied into everything the page
    // draws; 1 at first.
    double GetContentOpacity() const { return content_.opacity; }
    // Clamped into 0..1; unchanged values change nothing, others invalidate
    // the whole page.
    void SetContentOpacity(double opacity);

    // CScriptHost: the page's own executor, caches, script switch, held
    // statement and listeners; the rest from its owner.
    void SetScriptEnabled(bool enabled) override;
    // Started, the script switched on, and running in this update.
    bool IsScriptRunning() override;
    // Stops the page's script and its owner's for the frame.
    void StopScript() override;
    CScriptExecutor* GetExecutor() override;
    CScriptCache* GetScriptCache() override;
    CScriptCache* GetClassCache() override;
    void ExecuteCommand(CScriptCommand* command) override;
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

    const std::string& GetFile() const { return file_; }
    bool IsLocked() const { return locked_ != 0; }
    CScriptStatement* GetPendingStatement() const { return pending_.Get(); }
    CPageCommand* GetContentFade() const { return fade_.get(); }
    CPageCommand* GetScriptPause() const { return pause_.get(); }

    // More statements than this in one run end the game: a loop without a
    // wait.
    static constexpr int kMaxStatementsPerRun = 1000000;

protected:
    CScriptPageNode(const CScriptPageNode& other);

private:
    // The script interleaved with the node part over ms milliseconds.
    void RunScript(int ms);
    // Started with a file whose script has not finished.
    bool RunsScript() const;
    // The owner this page listens to: the host above it, not itself.
    CScriptHost* ParentOwner();
    void StopListening();
    // Replaces the held command of the slot by a started clone of command.
    void Hold(std::unique_ptr<CPageCommand>& slot, CPageCommand* command);

    std::string file_;
    CScriptCache scripts_;
    CScriptCache classes_;
    CScriptExecutor executor_;
    uint8_t started_ = 0;
    uint8_t script_ = 0;
    uint8_t running_ = 0;
    uint8_t locked_ = 0;
    CPendingStatement pending_;
    std::unique_ptr<CPageCommand> fade_;
    std::unique_ptr<CPageCommand> pause_;
    // The placement of the content inside the page.
    CTransform2D content_;
    // The owner whose listeners hold this page, or null.
    CScriptHost* listeningTo_ = nullptr;
};
