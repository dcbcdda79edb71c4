#include "app/main_window.h"

#include <exception>

#include "app/application.h"
#include "app/ime_context.h"
#include "platform/error_report.h"
#include "platform/program_instance.h"

namespace {

constexpr int kRegisterFailedPlace = 81;
constexpr int kCreateFailedPlace = 115;
constexpr DWORD kFullScreenStyle = WS_POPUP | WS_VISIBLE;

bool g_classRegistered = false;
std::exception_ptr g_windowProcError;

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

}  // namespace

CMainWindow::CMainWindow()
    : handle_(nullptr),
      clientWidth_(0),
      clientHeight_(0),
      style_(kDefaultWindowStyle),
      hasMenuResource_(false),
      restylePending_(false),
      minimised_(false),
      fullScreen_(false),
      trackingLeave_(false) {}

CMainWindow::~CMainWindow() {
    broadcaster_.RemoveListener(this);
    if (handle_) {
        SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
        handle_ = nullptr;
    }
}

void CMainWindow::RegisterClassOnce(HINSTANCE instance) {
    if (g_classRegistered) {
        return;
    }
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = 0;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(LoadImageA(instance, kIconResourceName, IMAGE_ICON, 32, 32, 0));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, kIconResourceName, IMAGE_ICON, 16, 16, 0));
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszMenuName = kMenuResourceName;
    wc.lpszClassName = className_.c_str();
    if (!RegisterClassExA(&wc)) {
        ErrorReport(ErrorKind::OS, kModuleMainWindow, kRegisterFailedPlace);
    }
    g_classRegistered = true;
}

SIZE CMainWindow::OuterSize() const {
    DWORD style = style_;
    if (style & WS_POPUP) {
        style |= WS_CAPTION;
    }
    const bool hasMenu = (handle_ && GetMenu(handle_)) || hasMenuResource_;
    BOOL countMenu = FALSE;
    if ((style & WS_SYSMENU) && hasMenu) {
        countMenu = TRUE;
    } else {
        style &= ~WS_SYSMENU;
    }
    RECT rect = {0, 0, clientWidth_, clientHeight_};
    AdjustWindowRect(&rect, style, countMenu);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int CMainWindow::Create(const CWindowSettings& settings, HWND parent) {
    fullScreen_ = IsFullScreen();
    title_ = settings.title;
    className_ = settings.className;
    clientWidth_ = settings.clientWidth;
    clientHeight_ = settings.clientHeight;
    style_ = settings.style;

    HINSTANCE instance = GetProgramInstance();
    hasMenuResource_ = FindResourceA(instance, kMenuResourceName, RT_MENU) != nullptr;
    RegisterClassOnce(instance);

    if (fullScreen_) {
        handle_ = CreateWindowExA(0, className_.c_str(), title_.c_str(), kFullScreenStyle, 0, 0,
                                  ScreenWidth(), ScreenHeight(), parent, nullptr, instance,
                                  nullptr);
    } else {
        SIZE outer = OuterSize();
        DWORD style = style_ | (parent ? WS_CHILD : 0);
        handle_ = CreateWindowExA(0, className_.c_str(), title_.c_str(), style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, outer.cx, outer.cy, parent, nullptr, instance,
                                  nullptr);
    }
    if (!handle_) {
        ErrorReport(ErrorKind::OS, kModuleMainWindow, kCreateFailedPlace);
    }

    if (!fullScreen_ && clientWidth_ != 0 && clientHeight_ != 0) {
        // Centred by the client size, not the outer size.
        SetWindowPos(handle_, nullptr, (ScreenWidth() - clientWidth_) / 2,
                     (ScreenHeight() - clientHeight_) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    if (clientWidth_ != 0 && clientHeight_ != 0) {
        ShowWindow(handle_, SW_SHOW);
    }
    SetFocus(handle_);

    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    broadcaster_.AddListener(this);
    return 0;
}

void CMainWindow::SetClientSize(int width, int height) {
    if (width != clientWidth_ || height != clientHeight_) {
        restylePending_ = true;
    }
    clientWidth_ = width;
    clientHeight_ = height;
}

void CMainWindow::ApplyWindowMode() {
    const bool fullScreen = IsFullScreen();
    if (fullScreen == fullScreen_ && !restylePending_) {
        return;
    }
    fullScreen_ = fullScreen;
    restylePending_ = false;

    if (!fullScreen) {
        SIZE outer = OuterSize();
        SetWindowPos(handle_, nullptr, (ScreenWidth() - clientWidth_) / 2,
                     (ScreenHeight() - clientHeight_) / 2, outer.cx, outer.cy, SWP_NOZORDER);
        SetWindowLongA(handle_, GWL_STYLE, static_cast<LONG>(style_ | WS_CAPTION));
        // Setting the menu again lays the menu bar out for the new style.
        SetMenu(handle_, GetMenu(handle_));
        ShowWindow(handle_, SW_SHOW);
        RestoreImeContext();
    } else {
        SetWindowPos(handle_, nullptr, 0, 0, clientWidth_, clientHeight_, SWP_NOZORDER);
        SetWindowLongA(handle_, GWL_STYLE, static_cast<LONG>(WS_POPUP));
        SetMenu(handle_, GetMenu(handle_));
        ShowWindow(handle_, SW_SHOW);
        DetachImeContext();
    }
    RethrowWindowProcError();
}

int CMainWindow::HandleMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (wParam == SIZE_RESTORED) {
                minimised_ = false;
            } else if (wParam == SIZE_MINIMIZED) {
                minimised_ = true;
            }
            return 0;
        case WM_ACTIVATEAPP:
            if (wParam) {
                minimised_ = false;
            }
            return 0;
        case WM_MOUSEMOVE:
            // Mouse moves stop at the client area's edge; the system's leave
            // message tells the listeners that the pointer went out.
            if (!trackingLeave_) {
                TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, handle_, 0};
                trackingLeave_ = TrackMouseEvent(&track) != FALSE;
            }
            return 0;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            return 0;
        case WM_MOVING:
            // In full screen the window cannot be dragged.
            if (fullScreen_) {
                GetWindowRect(handle_, reinterpret_cast<RECT*>(lParam));
            }
            return 1;
        default:
            return 0;
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CMainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    int result = 0;
    try {
        CCriticalSectionLock lock(self->lock_);
        result = self->broadcaster_.HandleMessage(window, message, wParam, lParam);
    } catch (...) {
        if (!g_windowProcError) {
            g_windowProcError = std::current_exception();
        }
        return 0;
    }
    if (result != 0) {
        return result;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RethrowWindowProcError() {
    if (g_windowProcError) {
        std::exception_ptr error = g_windowProcError;
        g_windowProcError = nullptr;
        std::rethrow_exception(error);
    }
}

LRESULT SendWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = SendMessageA(window, message, wParam, lParam);
    RethrowWindowProcError();
    return result;
}
