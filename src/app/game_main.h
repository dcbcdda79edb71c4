// The running game: starts the display and the sound, builds the root scene
// from "S/Main.txt" and runs the frame loop until the application's running
// flag is cleared. It is also the game window's message listener: the
// configuration menu, Tab and Escape, the refusals of screen saver, monitor
// power-off and suspend, the redraws on paint and activation, the reactions
// to settings changes and the exit confirmation.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "app/display_device.h"
#include "app/game_services.h"
#include "app/startup_screen.h"
#include "media/noise_cut_buffer.h"
#include "platform/frame_limiter.h"
#include "platform/message_listener.h"
#include "script/scene_host.h"

class CApplication;
class CSoundDeviceUse;

// What the game main is to its owner: something that runs.
class CMainLoop {
public:
    virtual ~CMainLoop() = default;
    virtual void Run() = 0;
};

// Posted to the main window to ask the exit question after the current
// message (a switch back to window mode comes first).
constexpr UINT kExitConfirmMessage = WM_USER + 10;
// Posted after every display-mode switch, for a playing movie.
constexpr UINT kMovieNotifyMessage = WM_USER + 3;

class CGameMain : public CMainLoop, public CMessageListener {
public:
    // Builds the display, the scene host and the frame limiter, listens to
    // the main window, publishes itself and takes a use of the shared sound
    // device. No display: the display's box, then CInternalError.
    explicit CGameMain(CApplication* application,
                       const CGameServices& services = SystemGameServices());
    ~CGameMain() override;
    CGameMain(const CGameMain&) = delete;
    CGameMain& operator=(const CGameMain&) = delete;

    // The start-up steps, then frames until the running flag is cleared.
    // Without a DirectDraw object: the start-up box, and no frame.
    void Run() override;

    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // This frame's step in milliseconds.
    int GetFrameDelta();

    // Greys the items the machine cannot offer; once at start-up.
    void EnableMenuItems();
    // Sets every check mark of the menu from the settings.
    void RefreshMenuChecks();
    // The display follows the screen-mode setting; false when the display
    // refused the mode.
    bool ApplyScreenMode(int mode);
    // Open "ReadMe.txt" / "UserData\Debug.txt" in the text editor, in window
    // mode, without waiting for it.
    void OpenReadMe();
    void OpenDiagnosisReport();

    CDisplayDevice& GetDisplay() { return display_; }
    CSceneHost& GetSceneHost() { return sceneHost_; }
    CFrameLimiter& GetFrameLimiter() { return limiter_; }
    CNoiseCutBuffer& GetNoiseCutBuffer() { return noiseCut_; }
    bool IsStarted() const { return started_; }
    bool IsActive() const { return active_; }

private:
    // Start-up steps 1 to 11; false when the game cannot start.
    bool Start();
    // With IsDiagnosis the checks on the window and the report, otherwise
    // "Please Wait ..."; either decides whether sound is available.
    void RunDiagnosis();
    // Start-up does not run the frame loop yet: the messages that came
    // meanwhile (a paint, the window raised) are answered at the points
    // where start-up shows something, so a box that comes next starts with
    // nothing pending and paints its face over a screen that is painted.
    void AnswerPendingMessages();
    void RunFrame();
    // The frame's drawing, or the whole screen after a paint: draws into the
    // back buffer and presents, when the display has one.
    void DrawAndPresent();
    // After paint and activation: the whole screen again, drawn at once in
    // window mode.
    void Repaint();
    // Escape, the exit item and the close box.
    void RequestExit();
    // Answers WM_USER+10: 0 after Yes, 1 after No.
    int ConfirmExit();
    void ShowAboutBox();
    void OpenInEditor(const char* relativePath);
    // Back to window mode unless the game is there already.
    void ReturnToWindowMode();
    int HandleCommand(int commandId);
    int HandleSettingChanged(WPARAM id, LPARAM value);
    int HandleSystemCommand(WPARAM command);
    // The voice the music-synchronised clock follows, among the scene
    // host's groups.
    bool ReadHostVoice(int groupKind, int channel, uint32_t* position);

    // Declared first, so the shared sound device outlives every sound the
    // members below hold.
    std::unique_ptr<CSoundDeviceUse> soundUse_;
    CClock& clock_;
    CDisplayDriver& displayDriver_;
    CProcessStarter& processes_;
    CMachineFacts& machine_;
    CSyncVoiceReader* syncVoices_;
    CApplication* application_;
    bool started_;
    bool active_;
    // Painted until the game has started.
    CStartupScreen startupScreen_;
    CDisplayDevice display_;
    CNoiseCutBuffer noiseCut_;
    uint32_t lastFrameTime_;
    CSceneHost sceneHost_;
    CFrameLimiter limiter_;
    bool longStepLatch_;
};
