#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "app/display_device.h"
#include "display_fakes.h"
#include "graphics/display_modes.h"
#include "graphics/video_surface.h"
#include "support/error_recorder.h"
#include "support/window_readback.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr Color32 kBackground = 0x204060;
constexpr Color32 kRgb = 0xFFFFFF;

// A colour of its own for every pixel of the frame (the top bit of red is
// always set, so no pixel equals the background).
Color32 Pattern(int x, int y) {
    return 0x800000u | static_cast<Color32>(x >> 8) << 16 | static_cast<Color32>(y >> 8) << 20 |
           static_cast<Color32>(y & 0xFF) << 8 | static_cast<Color32>(x & 0xFF);
}

void FillPattern(CMemorySurface& surface) {
    Color32* pixels = surface.GetPixels();
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) pixels[y * kWidth + x] = Pattern(x, y);
    }
}

bool Inside(const std::vector<RECT>& rects, int x, int y) {
    const POINT point = {x, y};
    for (const RECT& r : rects) {
        if (PtInRect(&r, point)) return true;
    }
    return false;
}

// The pattern inside the presented rectangles, `elsewhere` outside them;
// colours compared under the mask.
testing::AssertionResult ShowsPatternOnlyIn(const std::vector<Color32>& pixels,
                                            const std::vector<RECT>& presented, Color32 elsewhere,
                                            Color32 mask = kRgb) {
    int wrong = 0;
    char first[96] = "";
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Color32 expected = Inside(presented, x, y) ? Pattern(x, y) : elsewhere;
            const Color32 actual = pixels[y * kWidth + x];
            if ((actual & mask) != (expected & mask) && wrong++ == 0) {
                snprintf(first, sizeof first, "(%d, %d) is %06x, not %06x", x, y,
                         static_cast<unsigned>(actual), static_cast<unsigned>(expected));
            }
        }
    }
    if (wrong == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << wrong << " pixels wrong, first " << first;
}

const std::vector<RECT> kWholeFrame = {{0, 0, kWidth, kHeight}};

TEST(DisplayPresent, OnlyThePresentedCellsReachTheWindow) {
    RunWithDisplay(DirectDrawDisplayDriver(), [](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        f.app.PumpMessages();
        CMemorySurface& back = *f.device.GetBackBuffer();
        back.Fill(kBackground, nullptr);
        f.device.Present(nullptr);
        EXPECT_TRUE(ShowsPatternOnlyIn(ReadBack(f.window), {}, kBackground));

        FillPattern(back);
        std::vector<RECT> shown = {{100, 75, 200, 150}};
        f.device.Present(&shown[0]);
        EXPECT_TRUE(ShowsPatternOnlyIn(ReadBack(f.window), shown, kBackground));

        // Empty cells are skipped; a cell reaching outside the frame is cut.
        const std::vector<RECT> cells = {
            {0, 0, 100, 75}, {0, 0, 0, 0}, {300, 150, 400, 225}, {750, 560, 900, 700}};
        f.device.PresentCells(cells, false);
        shown.insert(shown.end(), {{0, 0, 100, 75}, {300, 150, 400, 225}, {750, 560, 800, 600}});
        EXPECT_TRUE(ShowsPatternOnlyIn(ReadBack(f.window), shown, kBackground));

        // A rectangle wholly outside copies nothing; the vertical-blank wait
        // returns.
        const RECT outside = {800, 0, 900, 600};
        back.Fill(kBackground, nullptr);
        f.device.Present(&outside);
        f.device.PresentCells({}, true);
        EXPECT_TRUE(ShowsPatternOnlyIn(ReadBack(f.window), shown, kBackground));
        EXPECT_TRUE(RecordedErrors().empty());
    });
}

TEST(DisplayPresent, AMinimisedWindowGetsNothing) {
    FakeDisplayDriver driver;
    RunWithDisplay(driver, [&](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        f.app.PumpMessages();
        CMemorySurface& back = *f.device.GetBackBuffer();
        back.Fill(kBackground, nullptr);
        f.device.Present(nullptr);

        SendWindowMessage(f.window, WM_SIZE, SIZE_MINIMIZED, 0);
        FillPattern(back);
        const RECT cell = {100, 75, 200, 150};
        f.device.Present(nullptr);
        f.device.Present(&cell);
        f.device.PresentCells({cell, {0, 0, 800, 600}}, false);
        EXPECT_TRUE(ShowsPatternOnlyIn(ReadBack(f.window), {}, kBackground));

        SendWindowMessage(f.window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(kWidth, kHeight));
        f.device.Present(nullptr);
        EXPECT_TRUE(ShowsPatternOnlyIn(ReadBack(f.window), kWholeFrame, kBackground));
    });
}

TEST(DisplayPresent, TheVerticalBlankIsAwaitedOnlyWhenAsked) {
    FakeDisplayDriver driver;
    RunWithDisplay(driver, [&](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        driver.calls.clear();
        f.device.PresentCells({{0, 0, 100, 75}}, false);
        EXPECT_TRUE(driver.calls.empty());
        f.device.PresentCells({{0, 0, 100, 75}}, true);
        EXPECT_EQ(driver.calls, std::vector<std::string>{"WaitForVerticalBlank"});
    });
}

TEST(DisplayPresent, TheFullScreenMenuBarFollowsTheCursorAndKeepsItsBand) {
    FakeDisplayDriver driver;
    RunWithDisplay(driver, [&](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(true, 0, 0, 0), 0);
        f.app.PumpMessages();
        const int band = f.device.GetMenuBarHeight();
        ASSERT_GT(band, 0);
        CMemorySurface& back = *f.device.GetBackBuffer();
        back.Fill(kBackground, nullptr);
        f.device.Present(nullptr);
        EXPECT_TRUE(ShowsPatternOnlyIn(ReadBack(nullptr), {}, kBackground));

        f.cursor.position = {400, band};
        f.device.UpdateMenuBar();
        EXPECT_FALSE(f.device.IsMenuBarShown());
        f.cursor.position = {400, band - 1};
        f.device.UpdateMenuBar();
        EXPECT_TRUE(f.device.IsMenuBarShown());

        // The frame goes everywhere but the bar's band.
        FillPattern(back);
        f.device.PresentCells(kWholeFrame, false);
        EXPECT_TRUE(f.device.IsMenuBarShown());
        std::vector<Color32> screen = ReadBack(nullptr);
        int bandPixelsFromFrame = 0;
        for (int y = 0; y < band; ++y) {
            for (int x = 0; x < kWidth; ++x) bandPixelsFromFrame += screen[y * kWidth + x] == Pattern(x, y);
        }
        EXPECT_EQ(bandPixelsFromFrame, 0);
        for (int y = 0; y < band; ++y) {
            for (int x = 0; x < kWidth; ++x) screen[y * kWidth + x] = kBackground;
        }
        EXPECT_TRUE(ShowsPatternOnlyIn(screen, {{0, band, kWidth, kHeight}}, kBackground));

        // The cursor leaving the band hides the bar and repaints the whole
        // frame once.
        f.cursor.position = {400, band};
        f.device.UpdateMenuBar();
        EXPECT_FALSE(f.device.IsMenuBarShown());
        EXPECT_TRUE(ShowsPatternOnlyIn(ReadBack(nullptr), kWholeFrame, kBackground));
        back.Fill(kBackground, nullptr);
        f.device.UpdateMenuBar();
        EXPECT_TRUE(ShowsPatternOnlyIn(ReadBack(nullptr), kWholeFrame, kBackground));

        // Minimised, the cursor at the top shows nothing.
        SendWindowMessage(f.window, WM_SIZE, SIZE_MINIMIZED, 0);
        f.cursor.position = {400, 0};
        f.device.UpdateMenuBar();
        EXPECT_FALSE(f.device.IsMenuBarShown());
        SendWindowMessage(f.window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(kWidth, kHeight));

        // In window mode the cursor does nothing, and a bar shown by the
        // menu opening keeps no band.
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        f.app.PumpMessages();
        f.device.UpdateMenuBar();
        EXPECT_FALSE(f.device.IsMenuBarShown());
        SendWindowMessage(f.window, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(f.window)), 0);
        EXPECT_TRUE(f.device.IsMenuBarShown());
        FillPattern(*f.device.GetBackBuffer());
        f.device.Present(nullptr);
        EXPECT_TRUE(ShowsPatternOnlyIn(ReadBack(f.window), kWholeFrame, kBackground));
    });
}

TEST(DisplayPresent, FullScreenRequestsEndInAUsableWindow) {
    RunWithDisplay(DirectDrawDisplayDriver(), [](DisplayFixture& f) {
        const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
        const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        for (int depth : {16, 24, 32}) {
            SCOPED_TRACE("depth " + std::to_string(depth));
            CVideoSurface video;
            ASSERT_EQ(video.Create(16, 16), 0);
            const bool offered = IsDisplayModeSupported(800, 600, depth);
            bool switched = false;
            try {
                EXPECT_EQ(f.device.SetMode(true, 0, 0, depth), 0);
                switched = true;
                f.app.PumpMessages();
                EXPECT_TRUE(f.device.InFullScreen());
                EXPECT_EQ(f.device.GetBitDepth(), depth);
                EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
                EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
                FillPattern(*f.device.GetBackBuffer());
                f.device.Present(nullptr);
                // At 16 bits only the top five bits of a channel survive.
                EXPECT_TRUE(ShowsPatternOnlyIn(ReadBack(nullptr), kWholeFrame, 0, 0xF8F8F8));
            } catch (const CInternalError&) {
                EXPECT_FALSE(offered);
                ASSERT_EQ(RecordedErrors().size(), 1u);
                EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::DirectDraw);
                EXPECT_EQ(RecordedErrors()[0].module, 1000);
                EXPECT_TRUE(RecordedErrors()[0].place == 138 || RecordedErrors()[0].place == 144);
                ClearRecordedErrors();
            }

            ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
            f.app.PumpMessages();
            EXPECT_FALSE(f.device.InFullScreen());
            EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), screenWidth);
            EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), screenHeight);
            // A refused switch is fatal in the game; the system's DirectDraw
            // may have stretched the window over the screen by then, and
            // only the next completed round trip places it again.
            if (switched) {
                ExpectCentredWindow(f.window, 800, 600);
            } else {
                EXPECT_TRUE(GetWindowLongA(f.window, GWL_STYLE) & WS_CAPTION);
            }
            // The mode switches lost the video surface; it was rebuilt.
            EXPECT_EQ(video.GetDirectDrawSurface()->IsLost(), DD_OK);
            FillPattern(*f.device.GetBackBuffer());
            f.device.Present(nullptr);
            EXPECT_TRUE(ShowsPatternOnlyIn(ReadBack(f.window), kWholeFrame, 0));
        }
        EXPECT_TRUE(RecordedErrors().empty());
    });
}

}  // namespace
