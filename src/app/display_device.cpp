#include "app/display_device.h"

#include <ddraw.h>

#include <new>

#include "app/application.h"
#include "app/window_dc.h"
#include "graphics/desktop_depth.h"
#include "graphics/video_surface.h"
#include "platform/error_report.h"

namespace {

constexpr int kLeaveCooperationPlace = 114;
constexpr int kRestoreModePlace = 119;
constexpr int kExclusiveCooperationPlace = 138;
constexpr int kSetModePlace = 144;
constexpr int kNormalCooperationPlace = 154;
constexpr int kNoBackBufferPlace = 170;
constexpr int kBackBufferCreatePlace = 179;
constexpr int kSwitchPendingPlace = 206;

constexpr DWORD kFullScreenCooperation = DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN;
constexpr DWORD kSettleAfterSwitchMs = 500;
// Presenting copies at most this frame, whatever the mode's size.
constexpr RECT kFrame = {0, 0, 800, 600};

class CGetCursorPosReader : public CCursorReader {
public:
    POINT Read() override {
        POINT position = {0, 0};
        GetCursorPos(&position);
        return position;
    }
};

void CheckDirectDraw(HRESULT result, int place) {
    if (FAILED(result)) ErrorReport(ErrorKind::DirectDraw, kModuleDisplayDevice, place, result);
}

// The height a menu bar adds to a captioned window.
int ComputeMenuBarHeight() {
    RECT withMenu = {0, 0, 0, 0};
    AdjustWindowRect(&withMenu, WS_CAPTION | WS_SYSMENU, TRUE);
    RECT withoutMenu = {0, 0, 0, 0};
    AdjustWindowRect(&withoutMenu, WS_CAPTION, FALSE);
    return (withMenu.bottom - withMenu.top) - (withoutMenu.bottom - withoutMenu.top);
}

bool IsMainWindowMinimised() {
    CApplication* application = GetApplication();
    return application && application->MainWindow().IsMinimised();
}

}  // namespace

CCursorReader& SystemCursorReader() {
    static CGetCursorPosReader reader;
    return reader;
}

CDisplayDevice::CDisplayDevice(int width, int height)
    : CDisplayDevice(width, height, DirectDrawDisplayDriver(), SystemClock(),
                     SystemCursorReader()) {}

CDisplayDevice::CDisplayDevice(int width, int height, CDisplayDriver& driver, CClock& clock,
                               CCursorReader& cursor)
    : driver_(driver),
      clock_(clock),
      cursor_(cursor),
      window_(GetMainWindowHandle()),
      width_(width),
      height_(height),
      bitDepth_(32),
      menuBarHeight_(ComputeMenuBarHeight()),
      menuBarShown_(false),
      switchPending_(false),
      fullScreen_(false) {
    SetDisplayDevice(this);
    AddAppMessageListener(this);
}

CDisplayDevice::~CDisplayDevice() {
    backBuffer_.reset();
    RemoveAppMessageListener(this);
    ClearDisplayDevice();
}

int CDisplayDevice::HandleMessage(HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITMENU) ShowMenuBar();
    return 0;
}

void CDisplayDevice::ShowMenuBar() {
    if (!GetMenu(window_)) return;
    DrawMenuBar(window_);
    menuBarShown_ = true;
}

int CDisplayDevice::SetMode(bool fullScreen, int width, int height, int bitDepth) {
    if (width != 0) width_ = width;
    if (height != 0) height_ = height;
    bitDepth_ = bitDepth != 0 ? bitDepth : 16;
    if (!driver_.IsAvailable()) return kNoDirectDraw;

    LeaveFullScreen();
    if (fullScreen) SwitchMode(width_, height_, true, bitDepth_);
    // Does nothing after a full-screen switch; completes a window request.
    SwitchMode(width_, height_, false, 0);
    if (!driver_.IsAvailable()) return kDirectDrawLost;
    if (switchPending_) ErrorReport(ErrorKind::Internal, kModuleDisplayDevice, kSwitchPendingPlace);

    // DirectDraw surfaces were lost with the old mode; the desktop may have
    // another depth now.
    clock_.Sleep(kSettleAfterSwitchMs);
    RefreshDesktopBitDepth();
    RestoreVideoSurfaces();
    return kModeSet;
}

void CDisplayDevice::LeaveFullScreen() {
    switchPending_ = true;
    if (!driver_.IsAvailable() || !fullScreen_) return;
    CheckDirectDraw(driver_.SetCooperativeLevel(window_, DDSCL_NORMAL), kLeaveCooperationPlace);
    CheckDirectDraw(driver_.RestoreDisplayMode(), kRestoreModePlace);
}

void CDisplayDevice::SwitchMode(int width, int height, bool fullScreen, int bitDepth) {
    if (!switchPending_ || !driver_.IsAvailable()) return;
    if (fullScreen) {
        CheckDirectDraw(driver_.SetCooperativeLevel(window_, kFullScreenCooperation),
                        kExclusiveCooperationPlace);
        CheckDirectDraw(driver_.SetDisplayMode(width, height, bitDepth), kSetModePlace);
    } else {
        CheckDirectDraw(driver_.SetCooperativeLevel(window_, DDSCL_NORMAL),
                        kNormalCooperationPlace);
    }

    backBuffer_.reset(new (std::nothrow) CMemorySurface);
    if (!backBuffer_) ErrorReport(ErrorKind::Internal, kModuleDisplayDevice, kNoBackBufferPlace);
    backBuffer_->SetUseDibSection(true);
    if (backBuffer_->Create(width, height) != 0) {
        ErrorReport(ErrorKind::Internal, kModuleDisplayDevice, kBackBufferCreatePlace);
    }

    fullScreen_ = fullScreen;
    CMainWindow& mainWindow = GetApplication()->MainWindow();
    mainWindow.SetClientSize(width, height);
    SetFullScreenFlag(fullScreen);
    mainWindow.ApplyWindowMode();

    switchPending_ = false;
    bitDepth_ = bitDepth;
    width_ = width;
    height_ = height;
}

void CDisplayDevice::Present(const RECT* rectangle) {
    if (!backBuffer_ || !backBuffer_->GetDC()) return;
    CWindowDc target(fullScreen_ ? nullptr : window_);
    if (!target.Get()) return;

    RECT area = {0, 0, 0, 0};
    if (!IsMainWindowMinimised()) {
        area = kFrame;
        // A shown full-screen menu bar keeps its band.
        if (fullScreen_ && menuBarShown_) area.top = menuBarHeight_;
    }
    if (rectangle) IntersectRect(&area, &area, rectangle);
    if (IsRectEmpty(&area)) return;
    BitBlt(target.Get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
           backBuffer_->GetDC(), area.left, area.top, SRCCOPY);
}

void CDisplayDevice::UpdateMenuBar() {
    if (!fullScreen_ || IsMainWindowMinimised()) return;
    if (cursor_.Read().y < menuBarHeight_) {
        if (!menuBarShown_) ShowMenuBar();
    } else if (menuBarShown_) {
        menuBarShown_ = false;
        // Paints the frame over the band the bar took.
        Present(nullptr);
    }
}

void CDisplayDevice::PresentCells(const std::vector<RECT>& cells, bool waitForVerticalBlank) {
    if (waitForVerticalBlank && driver_.IsAvailable()) driver_.WaitForVerticalBlank();
    for (const RECT& cell : cells) {
        if (!IsRectEmpty(&cell)) Present(&cell);
    }
    UpdateMenuBar();
}

uint32_t CDisplayDevice::GetDesktopBitDepth() const { return ::GetDesktopBitDepth(); }
