// The display's screen read from the session's frame buffer: a window that
// paints a pattern telling every pixel's place and channels apart is read
// back exactly where it lies on the screen, and a rectangle reaching past the
// screen reads as nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "support/display_screen.h"

namespace {

constexpr RECT kPlace = {100, 80, 164, 128};
constexpr int kWidth = kPlace.right - kPlace.left;
constexpr int kHeight = kPlace.bottom - kPlace.top;
constexpr DWORD kShownMs = 10000;

// Red from the column, green from the row, blue from both: a row or a
// column out of place, or red and blue swapped, shows.
std::vector<Color32> Pattern() {
    std::vector<Color32> pixels(kWidth * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            pixels[y * kWidth + x] = (static_cast<Color32>(x * 3) << 16) | (static_cast<Color32>(y * 5) << 8) |
                                     static_cast<Color32>(0x80 + x - y);
        }
    }
    return pixels;
}

LRESULT CALLBACK PatternProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    const std::vector<Color32> pixels = Pattern();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SetDIBitsToDevice(dc, 0, 0, kWidth, kHeight, 0, 0, 0, kHeight, pixels.data(), &info, DIB_RGB_COLORS);
    EndPaint(window, &paint);
    return 0;
}

class CPatternWindow {
public:
    CPatternWindow() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = PatternProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "DisplayScreenPattern";
        RegisterClassA(&windowClass);
        handle_ = CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, kPlace.left,
                                  kPlace.top, kWidth, kHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~CPatternWindow() {
        if (handle_) DestroyWindow(handle_);
    }
    CPatternWindow(const CPatternWindow&) = delete;
    CPatternWindow& operator=(const CPatternWindow&) = delete;
    HWND Handle() const { return handle_; }

private:
    HWND handle_ = nullptr;
};

// Handles the thread's messages until the screen shows the pattern at the
// window's place; the last read on a time-out.
std::vector<Color32> ReadUntilPatternShows() {
    const std::vector<Color32> pattern = Pattern();
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        const std::vector<Color32> shown = ReadDisplayScreen(kPlace);
        if (shown == pattern || GetTickCount() - start >= kShownMs) return shown;
        Sleep(20);
    }
}

TEST(DisplayScreen, ReadsAWindowsPixelsWhereItLies) {
    const CPatternWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    const std::vector<Color32> shown = ReadUntilPatternShows();
    ASSERT_EQ(shown.size(), static_cast<size_t>(kWidth * kHeight));
    const std::vector<Color32> pattern = Pattern();
    size_t wrong = 0;
    for (size_t i = 0; i < shown.size(); ++i) wrong += shown[i] != pattern[i];
    EXPECT_EQ(wrong, 0u) << "first pixel " << std::hex << shown[0] << ", not " << pattern[0];
}

TEST(DisplayScreen, ARectanglePastTheScreenReadsAsNothing) {
    const LONG width = GetSystemMetrics(SM_CXSCREEN);
    const LONG height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(ReadDisplayScreen(RECT{0, 0, width, height}).size(), static_cast<size_t>(width * height));
    EXPECT_TRUE(ReadDisplayScreen(RECT{width - 10, 0, width + 1, 10}).empty());
    EXPECT_TRUE(ReadDisplayScreen(RECT{0, height - 10, 10, height + 1}).empty());
    EXPECT_TRUE(ReadDisplayScreen(RECT{-1, 0, 10, 10}).empty());
}

}  // namespace
