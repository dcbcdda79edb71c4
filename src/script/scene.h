// One screen of the game with its own script: a node tree under an 800 x
// 600 canvas, the executor that runs the script file's page "Main", the
// caches of compiled files and classes, and the grid of dirty cells through
// which only the changed parts of the picture are redrawn and presented.
// The scene host keeps the running scene and drives it once per frame;
// statements reach the scene through its CScriptHost side. In-game screens
// derive from it and override its virtual operations.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/transform2d.h"
#include "scene/dirty_rect_grid.h"
#include "script/pending_statement.h"
#include "script/scene_broadcaster.h"
#include "script/script_cache.h"
#include "script/script_executor.h"
#include "script/script_host.h"

class CColorNode;
class CDisplayDevice;
class CMemorySurface;

class CScene : public CSceneBroadcaster, public CScriptHost {
public:
    // A scene without a script: it opens, draws its canvas and runs nothing.
    CScene();
    // A scene that runs the page "Main" of the script file when it opens.
    explicit CScene(std::string scriptName);
    CScene& operator=(const CScene&) = delete;

    // The offer of a window message to the scene's listeners.
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // The scene's own operations, in the order screens override them.
    virtual int HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Closes the scene when it is still open.
    ~CScene() override;
    // Closes a scene that is open, attaches it to the host, links and resets
    // the canvas, clears the grid and starts the script (StartMain).
    virtual void Open(CSceneHost* host);
    // When open: empties the tree, the caches, the executor and the pending
    // statement, and detaches from the host.
    virtual void Close();
    // Deletes the nodes removed during the last frame.
    virtual void BeginFrame();
    // Forgets the hover path, reads the cursor and runs the script (RunScript).
    virtual void Update(int ms);
    virtual void UpdateTransform(CTransform2D parent);
    // Redraws the changed cells of the tree into the target and keeps them
    // for Present. The scene draws with the identity placement whatever the
    // given one.
    virtual void Draw(CMemorySurface& target, CTransform2D transform, const RECT* clip);
    // Copies the cells of the last Draw to the window.
    virtual void Present(CDisplayDevice& display);
    // An event by name (the System statement, a select); nothing here.
    virtual void OnEvent(std::string name);
    // A copy that shares the compiled units and has its own tree, executor
    // and pending statement, and no listeners: closing either one leaves the
    // other whole.
    virtual std::unique_ptr<CScene> Clone();
    // No window messages, nodes deactivated, the script stops for the frame.
    virtual void Pause();
    // Messages and nodes back; the script goes on where it stopped.
    virtual void Resume();
    // The whole canvas is redrawn in the next Draw.
    virtual void Invalidate();
    virtual bool CanReturnTo(CScene* from, std::string label);
    virtual void OnReturned(CScene* self, std::string label);
    virtual void OnLeave();
    // 1 for a plain scene.
    virtual int GetSceneKind();
    // A statement's command: to every node the path reaches, or by its
    // category when the path is empty.
    virtual void Execute(std::string path, CScriptCommand* command);
    virtual bool IsScriptFinished();
    // Runs the page of the file from its start, at once, up to its first
    // wait.
    virtual void RunFrom(std::string file, std::string page);
    // RunFrom (script name, "Main"), when the scene has a script.
    virtual void StartMain();

    // CScriptHost.
    void SetScriptEnabled(bool enabled) override;
    bool IsScriptRunning() override;
    void StopScript() override;
    CScriptExecutor* GetExecutor() override;
    CScriptCache* GetScriptCache() override;
    CScriptCache* GetClassCache() override;
    void ExecuteCommand(CScriptCommand* command) override;
    // OnEvent.
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

    // The interleaving of script time and node time over ms milliseconds:
    // the tree advances exactly as far as the script waits before the
    // statements after the wait run.
    void RunScript(int ms);
    // The path, relative to the canvas, of the topmost node under the cursor
    // as last read; found once per update or mouse move.
    void GetHoverPath(std::string* out);

    const std::string& GetScriptName() const { return scriptName_; }
    CColorNode& GetCanvas() const { return *canvas_; }
    CScriptStatement* GetPendingStatement() const { return pending_.Get(); }
    // The union of the cells of the last Draw, and of the one before it.
    const RECT& GetChangedArea() const { return changedArea_; }
    const RECT& GetPreviousChangedArea() const { return previousChangedArea_; }

    // More statements than this in one RunScript end the game: a script
    // loop without a wait.
    static constexpr int kMaxStatementsPerRun = 1000000;
    // More scenes than this running their scripts inside one another (each
    // scene_call or scene_shift starts the new scene inside the old one's
    // run) end the game as a loop.
    static constexpr int kMaxNestedRuns = 64;

protected:
    // The members of other, as Clone makes them.
    CScene(const CScene& other);

private:
    // Forgets the hover path and reads the cursor position.
    void TakeCursor();
    // The cursor's position and whether it lies on the client area.
    void ReadCursor();

    std::unique_ptr<CColorNode> canvas_;
    CScriptCache scripts_;
    CScriptCache classes_;
    CScriptExecutor executor_;
    std::string scriptName_;
    bool scriptEnabled_ = false;
    bool running_ = false;
    CPendingStatement pending_;
    CDirtyRectGrid grid_;
    // The non-empty cells of the last Draw, for Present.
    std::vector<RECT> cells_;
    RECT changedArea_;
    RECT previousChangedArea_;
    POINT cursor_;
    bool cursorOnClient_ = false;
    std::string hoverPath_;
    bool hoverKnown_ = false;
};
