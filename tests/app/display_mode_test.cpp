#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/display_device.h"
#include "display_fakes.h"
#include "graphics/direct_draw.h"
#include "support/error_recorder.h"

namespace {

using Calls = std::vector<std::string>;

const std::string kNormal = "SetCooperativeLevel 0x8";
const std::string kExclusive = "SetCooperativeLevel 0x11";
const std::string kRestore = "RestoreDisplayMode";

TEST(DisplayDevice, PublishedListeningAndHoldingDirectDrawWhileItLives) {
    TestApplication app;
    app.body = [](TestApplication& self) {
        self.PumpMessages();
        HWND window = GetMainWindowHandle();
        ASSERT_EQ(GetDirectDraw(), nullptr);
        {
            FakeDisplayDriver driver;
            FakeClock clock;
            FakeCursor cursor;
            CDisplayDevice device(800, 600, driver, clock, cursor);
            EXPECT_EQ(GetDisplayDevice(), &device);
            EXPECT_NE(GetDirectDraw(), nullptr);
            EXPECT_EQ(device.GetBackBuffer(), nullptr);
            EXPECT_EQ(device.GetWidth(), 800);
            EXPECT_EQ(device.GetHeight(), 600);
            EXPECT_EQ(device.GetBitDepth(), 32);
            EXPECT_FALSE(device.InFullScreen());
            EXPECT_EQ(device.GetMenuBarHeight(), GetSystemMetrics(SM_CYMENU));

            // The window's menu opening reaches the device through the main
            // window; without a menu there is no bar to keep.
            HMENU menu = GetMenu(window);
            ASSERT_NE(menu, nullptr);
            SetMenu(window, nullptr);
            EXPECT_EQ(SendWindowMessage(window, WM_INITMENU, 0, 0), 0);
            EXPECT_FALSE(device.IsMenuBarShown());
            SetMenu(window, menu);
            EXPECT_EQ(SendWindowMessage(window, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0), 0);
            EXPECT_TRUE(device.IsMenuBarShown());
            EXPECT_TRUE(driver.calls.empty());
        }
        EXPECT_EQ(GetDisplayDevice(), nullptr);
        EXPECT_EQ(GetDirectDraw(), nullptr);
        // No longer a listener.
        SendWindowMessage(window, WM_INITMENU, 0, 0);
        EXPECT_TRUE(RecordedErrors().empty());
    };
    app.Run();
}

// A sequence of mode requests and what each must do.
struct ModeStep {
    bool fullScreen;
    int width;
    int height;
    int bitDepth;
    Calls calls;
    int finalWidth;
    int finalHeight;
    int finalBitDepth;
};

TEST(DisplayDevice, ModeSwitchesLeaveFullScreenFirstAndMakeANewBackBuffer) {
    const std::vector<ModeStep> steps = {
        {false, 0, 0, 0, {kNormal}, 800, 600, 0},
        {false, 640, 480, 0, {kNormal}, 640, 480, 0},
        {false, 0, 0, 0, {kNormal}, 640, 480, 0},
        {true, 800, 600, 0, {kExclusive, "SetDisplayMode 800 600 16"}, 800, 600, 16},
        {true, 0, 0, 32, {kNormal, kRestore, kExclusive, "SetDisplayMode 800 600 32"}, 800, 600, 32},
        {true, 0, 0, 24, {kNormal, kRestore, kExclusive, "SetDisplayMode 800 600 24"}, 800, 600, 24},
        {false, 0, 0, 0, {kNormal, kRestore, kNormal}, 800, 600, 0},
    };
    FakeDisplayDriver driver;
    RunWithDisplay(driver, [&](DisplayFixture& f) {
        for (size_t i = 0; i < steps.size(); ++i) {
            const ModeStep& step = steps[i];
            SCOPED_TRACE("step " + std::to_string(i));
            if (CMemorySurface* old = f.device.GetBackBuffer()) old->Fill(0x123456, nullptr);
            driver.calls.clear();
            f.clock.sleeps.clear();

            ASSERT_EQ(f.device.SetMode(step.fullScreen, step.width, step.height, step.bitDepth),
                      CDisplayDevice::kModeSet);
            f.app.PumpMessages();
            EXPECT_EQ(driver.calls, step.calls);
            EXPECT_EQ(f.clock.sleeps, std::vector<uint32_t>{500});
            EXPECT_EQ(f.device.GetWidth(), step.finalWidth);
            EXPECT_EQ(f.device.GetHeight(), step.finalHeight);
            EXPECT_EQ(f.device.GetBitDepth(), step.finalBitDepth);
            EXPECT_EQ(f.device.InFullScreen(), step.fullScreen);
            EXPECT_EQ(IsFullScreen(), step.fullScreen);

            // A fresh, black DIB section of the mode's size.
            CMemorySurface* back = f.device.GetBackBuffer();
            ASSERT_NE(back, nullptr);
            ASSERT_NE(back->GetDC(), nullptr);
            int width = 0;
            int height = 0;
            back->GetSize(width, height);
            EXPECT_EQ(width, step.finalWidth);
            EXPECT_EQ(height, step.finalHeight);
            EXPECT_EQ(back->GetPixel(0, 0), 0u);
            EXPECT_EQ(back->GetPixel(width - 1, height - 1), 0u);

            if (step.fullScreen) {
                EXPECT_EQ(GetWindowLongA(f.window, GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP);
                const RECT outer = WindowRectOf(f.window);
                EXPECT_EQ(outer.left, 0);
                EXPECT_EQ(outer.top, 0);
                EXPECT_EQ(outer.right, step.finalWidth);
                EXPECT_EQ(outer.bottom, step.finalHeight);
            } else {
                ExpectCentredWindow(f.window, step.finalWidth, step.finalHeight);
            }
        }
        EXPECT_TRUE(RecordedErrors().empty());
    });
}

TEST(DisplayDevice, WithoutDirectDrawNothingChangesButTheRequestIsKept) {
    FakeDisplayDriver driver;
    driver.available = false;
    RunWithDisplay(driver, [&](DisplayFixture& f) {
        EXPECT_EQ(f.device.SetMode(false, 640, 480, 0), CDisplayDevice::kNoDirectDraw);
        EXPECT_TRUE(driver.calls.empty());
        EXPECT_TRUE(f.clock.sleeps.empty());
        EXPECT_EQ(f.device.GetBackBuffer(), nullptr);
        EXPECT_EQ(f.device.GetWidth(), 640);
        EXPECT_EQ(f.device.GetHeight(), 480);
        EXPECT_EQ(f.device.GetBitDepth(), 16);
        EXPECT_EQ(ClientRectOf(f.window).right, 800);
    });
}

TEST(DisplayDevice, DirectDrawLostDuringTheSwitchIsReportedWithoutWaiting) {
    FakeDisplayDriver driver;
    driver.vanishAfter = "SetDisplayMode 800 600 16";
    RunWithDisplay(driver, [&](DisplayFixture& f) {
        EXPECT_EQ(f.device.SetMode(true, 0, 0, 0), CDisplayDevice::kDirectDrawLost);
        EXPECT_EQ(driver.calls, (Calls{kExclusive, "SetDisplayMode 800 600 16"}));
        EXPECT_TRUE(f.clock.sleeps.empty());
        EXPECT_TRUE(RecordedErrors().empty());
    });
}

struct FailureCase {
    const char* name;
    bool startInFullScreen;
    bool requestFullScreen;
    std::string failing;
    int place;
};

TEST(DisplayDevice, EveryFailingDirectDrawCallIsAFatalBoxWithItsResult) {
    const std::vector<FailureCase> cases = {
        {"entering exclusive mode", false, true, kExclusive, 138},
        {"setting the mode", false, true, "SetDisplayMode 800 600 16", 144},
        {"normal cooperation", false, false, kNormal, 154},
        {"leaving exclusive mode", true, false, kNormal, 114},
        {"restoring the desktop mode", true, true, kRestore, 119},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeDisplayDriver driver;
        RunWithDisplay(driver, [&](DisplayFixture& f) {
            if (c.startInFullScreen) {
                ASSERT_EQ(f.device.SetMode(true, 0, 0, 0), 0);
            }
            f.clock.sleeps.clear();
            driver.failing = c.failing;
            driver.failure = DDERR_UNSUPPORTED;
            EXPECT_THROW(f.device.SetMode(c.requestFullScreen, 0, 0, 0), CInternalError);
            ASSERT_EQ(RecordedErrors().size(), 1u);
            const ErrorBox& box = RecordedErrors()[0];
            EXPECT_EQ(box.kind, ErrorKind::DirectDraw);
            EXPECT_EQ(box.module, 1000);
            EXPECT_EQ(box.place, c.place);
            EXPECT_TRUE(box.hasCode);
            EXPECT_EQ(box.code, static_cast<long>(DDERR_UNSUPPORTED));
            EXPECT_TRUE(f.clock.sleeps.empty());
            ClearRecordedErrors();

            // The device is still usable.
            driver.failing.clear();
            EXPECT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
            f.app.PumpMessages();
            EXPECT_FALSE(f.device.InFullScreen());
            EXPECT_NE(f.device.GetBackBuffer(), nullptr);
            ExpectCentredWindow(f.window, 800, 600);
        });
    }
}

TEST(DisplayDevice, ABackBufferThatCannotBeMadeIsAFatalBox) {
    FakeDisplayDriver driver;
    RunWithDisplay(driver, [&](DisplayFixture& f) {
        EXPECT_THROW(f.device.SetMode(false, 30000, 30000, 0), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
        EXPECT_EQ(RecordedErrors()[0].module, 1000);
        EXPECT_EQ(RecordedErrors()[0].place, 179);
        EXPECT_FALSE(RecordedErrors()[0].hasCode);
        ClearRecordedErrors();
        EXPECT_EQ(f.device.SetMode(false, 800, 600, 0), 0);
        EXPECT_NE(f.device.GetBackBuffer(), nullptr);
    });
}

}  // namespace
