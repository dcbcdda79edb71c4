// The game's one main window: an 800 x 600 client area in a centred captioned
// window, or a screen-covering pop-up in full screen. Every message it gets
// is handed, under its critical section, to its broadcaster; the window itself
// is the broadcaster's first listener.
#pragma once

#include <windows.h>

#include <string>

#include "app/window_settings.h"
#include "platform/critical_section.h"
#include "platform/message_broadcaster.h"

// Resource names of the window class: the icon group and the menu.
constexpr const char* kIconResourceName = "IDI_ICON";
constexpr const char* kMenuResourceName = "IDR_MIRLOMENU";

class CMainWindow : public CMessageListener {
public:
    CMainWindow();
    virtual ~CMainWindow();
    CMainWindow(const CMainWindow&) = delete;
    CMainWindow& operator=(const CMainWindow&) = delete;

    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // Registers the class (once per process) and creates the window; 0. A
    // failure raises the "OS Error" box.
    int Create(const CWindowSettings& settings, HWND parent);
    // Stores a new client size; a different one marks a restyle pending.
    void SetClientSize(int width, int height);
    // Brings style, menu and placement in line with the program-wide
    // full-screen flag and the client size. Nothing happens when neither
    // changed since the last call.
    void ApplyWindowMode();

    HWND Handle() const { return handle_; }
    CMessageBroadcaster& Broadcaster() { return broadcaster_; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    DWORD Style() const { return style_; }
    bool HasMenuResource() const { return hasMenuResource_; }
    bool IsMinimised() const { return minimised_; }
    bool IsFullScreenWindow() const { return fullScreen_; }

private:
    friend LRESULT CALLBACK MainWindowProc(HWND, UINT, WPARAM, LPARAM);

    // The outer size of the window-mode window for the stored client size.
    SIZE OuterSize() const;
    void RegisterClassOnce(HINSTANCE instance);

    HWND handle_;
    std::string title_;
    std::string className_;
    int clientWidth_;
    int clientHeight_;
    DWORD style_;
    CMessageBroadcaster broadcaster_;
    bool hasMenuResource_;
    bool restylePending_;
    bool minimised_;
    bool fullScreen_;
    // A leave message has been asked for since the pointer last came in.
    bool trackingLeave_;
    CCriticalSection lock_;
};

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// An exception thrown by a listener cannot unwind through the system's window
// procedure frames; the procedure keeps it, and the code that sent or
// dispatched the message throws it again with this call.
void RethrowWindowProcError();
// SendMessage to a window of this program, then RethrowWindowProcError.
LRESULT SendWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
