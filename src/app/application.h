// The frame in which the game runs: owns the main window, publishes itself
// as the program's application while it runs, listens to the window's
// messages and runs the derived class's main loop.
#pragma once

#include <windows.h>

#include "app/main_window.h"
#include "app/window_settings.h"
#include "platform/message_listener.h"

class CDisplayDevice;

class CApplication : public CMessageListener {
public:
    // Results of Run.
    enum RunResult {
        kRunFinished = 0,
        kRunConfigureRefused = 1,
        kRunWindowFailed = 2,
        kRunInitializeRefused = 3,
    };

    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // WM_DESTROY posts the quit message; WM_CLOSE asks OnCloseRequest and,
    // unless refused, clears the running flag, answering 1 so that the
    // window is not destroyed by it.
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // The whole life of the application; a RunResult.
    int Run();
    // Handles every waiting message without waiting; the running flag.
    bool PumpMessages();

    bool IsRunning() const { return running_; }
    void ClearRunning() { running_ = false; }
    CMainWindow& MainWindow() { return window_; }

protected:
    virtual void RunMainLoop() = 0;
    // 0 lets Run go on.
    virtual int Configure(CWindowSettings& settings);
    virtual int Initialize();
    // 0 lets the window close.
    virtual int OnCloseRequest();
    virtual int Shutdown();

private:
    CMainWindow window_;
    bool running_;
};

// The current application, null outside CApplication::Run.
CApplication* GetApplication();
// Also forgets the published display device.
void SetApplication(CApplication* application);
void ClearApplication();
// The main window's handle, or null while no application is current.
HWND GetMainWindowHandle();
// Add to or remove from the current application's main-window broadcaster;
// only while an application is current.
void AddAppMessageListener(CMessageListener* listener);
void RemoveAppMessageListener(CMessageListener* listener);

bool IsFullScreen();
void SetFullScreenFlag(bool fullScreen);

// The display device publishes itself here while it exists.
void SetDisplayDevice(CDisplayDevice* device);
void ClearDisplayDevice();
CDisplayDevice* GetDisplayDevice();
