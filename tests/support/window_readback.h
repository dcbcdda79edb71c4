// Reads back what a window shows: the top-left 800 x 600 pixels of its
// client area (of the screen for no window), as 0x00RRGGBB.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "graphics/memory_surface.h"

inline std::vector<Color32> ReadBack(HWND window) {
    constexpr int kWidth = 800;
    constexpr int kHeight = 600;
    CMemorySurface copy;
    copy.SetUseDibSection(true);
    EXPECT_EQ(copy.Create(kWidth, kHeight), 0);
    HDC dc = GetDC(window);
    BitBlt(copy.GetDC(), 0, 0, kWidth, kHeight, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    GdiFlush();
    std::vector<Color32> pixels(copy.GetPixels(), copy.GetPixels() + kWidth * kHeight);
    for (Color32& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}
