#include "app/application.h"

#include "platform/message_box.h"

namespace {
CApplication* g_application = nullptr;
CDisplayDevice* g_displayDevice = nullptr;
bool g_fullScreen = false;
}  // namespace

CApplication::CApplication() : running_(false) {}

CApplication::~CApplication() = default;

int CApplication::Configure(CWindowSettings& settings) {
    settings.title = "Application";
    settings.className = "APPLICATION";
    settings.clientWidth = 800;
    settings.clientHeight = 600;
    settings.style = kCaptionedWindowStyle;
    return 0;
}

int CApplication::Initialize() { return 0; }

int CApplication::OnCloseRequest() { return 0; }

int CApplication::Shutdown() { return 0; }

int CApplication::Run() {
    running_ = true;
    CWindowSettings settings;
    if (Configure(settings) != 0) {
        return kRunConfigureRefused;
    }
    if (window_.Create(settings, nullptr) != 0) {
        return kRunWindowFailed;
    }
    if (Initialize() != 0) {
        return kRunInitializeRefused;
    }
    SetApplication(this);
    AddAppMessageListener(this);
    SetErrorBoxOwner(window_.Handle());
    // Stops being current on every way out, also when an error unwinds.
    struct CurrentScope {
        CApplication* application;
        ~CurrentScope() {
            SetErrorBoxOwner(nullptr);
            RemoveAppMessageListener(application);
            ClearApplication();
        }
    } current{this};

    RunMainLoop();
    Shutdown();
    // Reaches HandleMessage, which posts the quit message; the window itself
    // stays until the application is destroyed.
    SendWindowMessage(window_.Handle(), WM_DESTROY, 0, 0);
    return kRunFinished;
}

bool CApplication::PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        RethrowWindowProcError();
    }
    return running_;
}

int CApplication::HandleMessage(HWND, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_CLOSE:
            if (OnCloseRequest() == 0) {
                running_ = false;
            }
            return 1;
        default:
            return 0;
    }
}

CApplication* GetApplication() { return g_application; }

void SetApplication(CApplication* application) {
    g_application = application;
    g_displayDevice = nullptr;
}

void ClearApplication() { g_application = nullptr; }

HWND GetMainWindowHandle() {
    return g_application ? g_application->MainWindow().Handle() : nullptr;
}

void AddAppMessageListener(CMessageListener* listener) {
    g_application->MainWindow().Broadcaster().AddListener(listener);
}

void RemoveAppMessageListener(CMessageListener* listener) {
    g_application->MainWindow().Broadcaster().RemoveListener(listener);
}

bool IsFullScreen() { return g_fullScreen; }

void SetFullScreenFlag(bool fullScreen) { g_fullScreen = fullScreen; }

void SetDisplayDevice(CDisplayDevice* device) { g_displayDevice = device; }

void ClearDisplayDevice() { g_displayDevice = nullptr; }

CDisplayDevice* GetDisplayDevice() { return g_displayDevice; }
