// The one object that owns the picture the player sees: the back buffer every
// scene draws into (a DIB section with its own memory DC), the switch between
// window mode and exclusive full screen, and the copy of changed areas to the
// window with GDI. DirectDraw only takes the display into full screen, sets
// its mode and waits for the vertical blank. The device publishes itself as
// the program's display device and listens to the main window's messages;
// it is made and used on the main thread while an application is current.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/direct_draw.h"
#include "graphics/display_driver.h"
#include "graphics/memory_surface.h"
#include "platform/clock.h"
#include "platform/message_listener.h"

// Where the mouse cursor is, read by the full-screen menu bar.
class CCursorReader {
public:
    virtual ~CCursorReader() = default;
    // The cursor's position in screen coordinates.
    virtual POINT Read() = 0;
};

// GetCursorPos.
CCursorReader& SystemCursorReader();

class CDisplayDevice : public CMessageListener {
public:
    // Results of SetMode.
    enum SetModeResult {
        kModeSet = 0,
        kNoDirectDraw = 1,
        kDirectDrawLost = 2,
    };

    // The frame's size in pixels. Creates the DirectDraw object when no
    // other holder has (a failure shows its box and throws), publishes the
    // device and registers it with the main window. No back buffer yet.
    CDisplayDevice(int width, int height);
    // The same with the display hardware, the clock that waits after a
    // switch and the cursor given.
    CDisplayDevice(int width, int height, CDisplayDriver& driver, CClock& clock,
                   CCursorReader& cursor);
    virtual ~CDisplayDevice();
    CDisplayDevice(const CDisplayDevice&) = delete;
    CDisplayDevice& operator=(const CDisplayDevice&) = delete;

    // WM_INITMENU draws the menu bar (when the window has a menu) and keeps
    // its band out of presenting. Every message is left to the others: 0.
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // Window mode, or exclusive full screen at the bit depth (0 means 16).
    // A width or height of 0 keeps the current one. Always leaves full
    // screen first, so a change between two full-screen depths passes
    // through the desktop's own mode. Makes a new, black back buffer, lets
    // the main window follow, waits for the display to settle, reads the
    // desktop depth again and rebuilds every video surface. A SetModeResult;
    // a DirectDraw call that fails is a fatal "DirectDraw Error".
    int SetMode(bool fullScreen, int width, int height, int bitDepth);

    // What scenes draw into; null before the first SetMode.
    CMemorySurface* GetBackBuffer() const { return backBuffer_.get(); }

    // Copies the back buffer over the rectangle (the whole frame when null)
    // to the window, or to the screen in full screen, at the same place.
    // Copies at most the 800 x 600 frame, leaves out the band of a shown
    // full-screen menu bar, and copies nothing while the window is minimised
    // or when there is no back buffer or no DC.
    void Present(const RECT* rectangle);
    // In full screen: draws the menu bar while the cursor is over its band,
    // and paints the frame over it again once the cursor has left.
    void UpdateMenuBar();
    // One frame's presenting: waits for the vertical blank when asked, copies
    // every non-empty cell in order, then updates the menu bar.
    void PresentCells(const std::vector<RECT>& cells, bool waitForVerticalBlank);

    // The desktop's bits per pixel (cached).
    uint32_t GetDesktopBitDepth() const;

    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    // The full-screen depth, or 0 after a switch to window mode.
    int GetBitDepth() const { return bitDepth_; }
    int GetMenuBarHeight() const { return menuBarHeight_; }
    bool IsMenuBarShown() const { return menuBarShown_; }
    bool InFullScreen() const { return fullScreen_; }

private:
    // Takes the display out of exclusive full screen and marks a switch
    // pending.
    void LeaveFullScreen();
    // Completes a pending switch: enters the mode, makes the back buffer and
    // restyles the main window.
    void SwitchMode(int width, int height, bool fullScreen, int bitDepth);
    void ShowMenuBar();

    CDirectDrawHolder directDraw_;
    CDisplayDriver& driver_;
    CClock& clock_;
    CCursorReader& cursor_;
    HWND window_;
    std::unique_ptr<CMemorySurface> backBuffer_;
    int width_;
    int height_;
    int bitDepth_;
    int menuBarHeight_;
    bool menuBarShown_;
    bool switchPending_;
    bool fullScreen_;
};
