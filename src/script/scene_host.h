// The game main loop's one holder of the running scene: the current scene,
// the stack of scenes that "scene_call" suspended, and the scenes waiting to
// be deleted at the next update. It owns the game's three sound groups and
// applies the sound settings to them, and it is the main window's message
// listener through which window messages reach the current scene.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "media/sound_group.h"
#include "platform/message_broadcaster.h"
#include "platform/transform2d.h"

class CDisplayDevice;
class CMemorySurface;
class CScene;

class CSceneHost : public CMessageBroadcaster {
public:
    // No scene yet; the groups VOICE, SE and BGM, built in that order.
    CSceneHost();
    // Pauses, closes and deletes the current scene, then the stacked ones
    // from the bottom up, then the queued ones; clears the groups and leaves
    // the main window's listeners.
    ~CSceneHost() override;

    // Start-up: listens to the main window, applies the sound settings to
    // the groups, and opens the scene as the current one.
    void AttachScene(std::unique_ptr<CScene> scene);

    // The frame, in the main loop's order. Each needs a current scene.
    void BeginFrame();
    // Deletes the queued scenes, steps the groups (BGM, SE, VOICE), then
    // updates the current scene.
    void Update(int ms);
    void SetTransform(CTransform2D transform);
    void Draw(CMemorySurface& target, CTransform2D transform, const RECT* clip);
    void Present(CDisplayDevice& display);
    // After WM_PAINT: the whole screen is redrawn in the next Draw.
    void OnPaint();

    // Scene switches: each saves the system data and makes the next frame
    // step short before the old scene is paused. The new scene is fresh and
    // opens at once, running its "Main" up to the first wait.
    // The current scene is paused and stacked.
    void CallScene(std::unique_ptr<CScene> next);
    // The current scene leaves for the delete queue.
    void ShiftScene(std::unique_ptr<CScene> next);
    // Back to the top of the stack, when it agrees; the current scene leaves
    // for the delete queue. Nothing at all with an empty stack.
    void ReturnScene(std::string label);

    // The sound settings (WM_ACTIVATE with auto-mute, setting changes), then
    // the offer to the current scene.
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    CSoundGroup* GetSEGroup() { return &se_; }
    CSoundGroup* GetBGMGroup() { return &bgm_; }
    CSoundGroup* GetVoiceGroup() { return &voice_; }

    CScene* GetCurrentScene() const { return current_.get(); }
    size_t GetStackSize() const { return stack_.size(); }
    size_t GetDeleteQueueSize() const { return deleteQueue_.size(); }

private:
    // Each group muted when its setting is off.
    void ApplyPlaySettings();
    // The current scene leaves (OnLeave, Pause) for the delete queue.
    void RetireCurrent();
    // next becomes current and opens with this host.
    void OpenCurrent(std::unique_ptr<CScene> next);

    std::unique_ptr<CScene> current_;
    // The last entry is the top.
    std::vector<std::unique_ptr<CScene>> stack_;
    std::vector<std::unique_ptr<CScene>> deleteQueue_;
    CSoundGroup voice_;
    CSoundGroup se_;
    CSoundGroup bgm_;
    bool listening_ = false;
};
