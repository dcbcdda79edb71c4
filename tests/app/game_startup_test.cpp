// The game main's start-up in a test window: what it leaves behind once the
// frames run, and the end without a DirectDraw object.
#include <windows.h>
#include <imm.h>

#include <gtest/gtest.h>

#include "app/menu_ids.h"
#include "app/published_game.h"
#include "game_fixture.h"
#include "graphics/display_modes.h"
#include "media/sound_available.h"
#include "media/sound_device.h"
#include "platform/global_state.h"
#include "support/error_recorder.h"
#include "screens/in_game_menu.h"
#include "support/temp_folder.h"

namespace {

class GameStartupTest : public testing::Test {
protected:
    GameStartupTest() {
        GetConfig().SetDefaults();
        GetConfig().SetDiagnosis(false);
    }
    CGameStateScope state_;
    CFixtureGame game_;
    CBoxRecorder boxes_;
    CGameRig rig_;
};

TEST_F(GameStartupTest, TheRootSceneRunsInAWindowAtTheBaseFrameRate) {
    GetConfig().SetBaseFPS(45);
    int frames = 0;
    RunGame(rig_, [&](CGameMain& game, TestApplication& app, int frame) {
        frames = frame + 1;
        const HWND window = app.MainWindow().Handle();
        EXPECT_EQ(GetGameMain(), &game);
        EXPECT_EQ(GetDisplayDevice(), &game.GetDisplay());
        EXPECT_FALSE(game.GetDisplay().InFullScreen());
        EXPECT_NE(game.GetDisplay().GetBackBuffer(), nullptr);
        EXPECT_EQ(game.GetFrameLimiter().GetFrameRate(), 45u);
        EXPECT_TRUE(game.IsActive());
        EXPECT_NE(dynamic_cast<CInGameMenu*>(game.GetSceneHost().GetCurrentScene()), nullptr);
        // The input method is off for the window.
        HIMC context = ImmGetContext(window);
        EXPECT_EQ(context, nullptr);
        if (context) ImmReleaseContext(window, context);
        EXPECT_GE(SharedSoundDeviceUsers(), 1);
        const CFullScreenModeFlags& modes = FullScreenModeFlags();
        EXPECT_EQ(modes.full16, IsDisplayModeSupported(800, 600, 16));
        EXPECT_EQ(modes.full24, IsDisplayModeSupported(800, 600, 24));
        EXPECT_EQ(modes.full32, IsDisplayModeSupported(800, 600, 32));
        return frame < 5;
    });
    EXPECT_EQ(frames, 6);
    EXPECT_EQ(GetGameMain(), nullptr);
    EXPECT_EQ(SharedSoundDeviceUsers(), 0);
    EXPECT_TRUE(boxes_.boxes.empty());
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST_F(GameStartupTest, TheNoiseCutBufferPlaysOnlyWithSoundAndItsSetting) {
    const struct {
        bool sound;
        bool noiseCut;
        bool created;
    } rows[] = {{true, true, true}, {true, false, false}, {false, true, false}};
    CMachineWithoutSound silent;
    for (const auto& row : rows) {
        rig_.machine = row.sound ? &SystemMachineFacts() : &silent;
        GetConfig().SetNoiseCut(row.noiseCut);
        bool created = !row.created;
        bool playing = false;
        int deviceResult = -1;
        RunGame(rig_, [&](CGameMain& game, TestApplication&, int) {
            deviceResult = GetSharedSoundDevice()->GetInitResult();
            EXPECT_EQ(IsSoundAvailable(), row.sound);
            created = game.GetNoiseCutBuffer().IsCreated();
            if (created) {
                DWORD status = 0;
                game.GetNoiseCutBuffer().GetBuffer()->GetStatus(&status);
                playing = (status & DSBSTATUS_PLAYING) != 0;
            }
            return false;
        });
        // The test session has a working sound device.
        EXPECT_EQ(deviceResult == CSoundDevice::kReady, row.sound);
        EXPECT_EQ(created, row.created) << row.sound << row.noiseCut;
        EXPECT_EQ(playing, row.created) << row.sound << row.noiseCut;
    }
}

// Whether any pixel of the window's rectangle is pure white.
bool HasWhitePixel(HWND window, int left, int top, int right, int bottom) {
    HDC dc = GetDC(window);
    bool white = false;
    for (int y = top; y < bottom && !white; ++y) {
        for (int x = left; x < right && !white; ++x) white = GetPixel(dc, x, y) == RGB(255, 255, 255);
    }
    ReleaseDC(window, dc);
    return white;
}

TEST_F(GameStartupTest, PleaseWaitAppearsWhiteOnTheWindowAndDecidesTheSound) {
    SetSoundAvailable(false);
    bool textShown = false;
    bool whiteElsewhere = true;
    // The display's settling pause after the switch into window mode comes
    // before the first frame draws over the text.
    rig_.clock.onPause = [&] {
        if (textShown) return;
        const HWND window = GetMainWindowHandle();
        textShown = HasWhitePixel(window, 4, 12, 120, 30);
        whiteElsewhere = HasWhitePixel(window, 200, 100, 260, 140);
    };
    RunGame(rig_, [&](CGameMain&, TestApplication&, int) { return false; });
    rig_.clock.onPause = nullptr;
    EXPECT_TRUE(textShown);
    EXPECT_FALSE(whiteElsewhere);
    EXPECT_TRUE(IsSoundAvailable());
    EXPECT_FALSE(FileExists(game_.Path() + "UserData\\Debug.txt"));
}

// A paint before the first frame (the window exposed, restyled or uncovered
// while the game is still starting) shows "Please Wait ..." on black again
// instead of leaving whatever was on the window.
TEST_F(GameStartupTest, APaintBeforeTheFirstFrameShowsPleaseWaitAgain) {
    bool paintedBack = false;
    bool textShown = false;
    COLORREF middle = RGB(1, 2, 3);
    rig_.clock.onPause = [&] {
        if (paintedBack) return;
        paintedBack = true;
        const HWND window = GetMainWindowHandle();
        HDC dc = GetDC(window);
        RECT all = {0, 0, 800, 600};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        ReleaseDC(window, dc);
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        textShown = HasWhitePixel(window, 4, 12, 120, 30);
        dc = GetDC(window);
        middle = GetPixel(dc, 400, 300);
        ReleaseDC(window, dc);
    };
    RunGame(rig_, [&](CGameMain&, TestApplication&, int) { return false; });
    rig_.clock.onPause = nullptr;
    ASSERT_TRUE(paintedBack);
    EXPECT_TRUE(textShown);
    EXPECT_EQ(middle, RGB(0, 0, 0));
}

// The window's menu works while start-up shows its screen; a screen mode
// chosen then is stored at once and taken by the display once the game runs.
TEST_F(GameStartupTest, AScreenModeChosenDuringStartUpAppliesOnceTheGameRuns) {
    bool chosen = false;
    rig_.clock.onPause = [&] {
        if (chosen) return;
        chosen = true;
        SendMessageA(GetMainWindowHandle(), WM_COMMAND, kMenuFullScreen16, 0);
    };
    bool fullScreen = false;
    std::vector<std::string> calls;
    RunGame(rig_, [&](CGameMain& game, TestApplication&, int) {
        fullScreen = game.GetDisplay().InFullScreen();
        calls = rig_.driver.calls;
        return false;
    });
    rig_.clock.onPause = nullptr;
    ASSERT_TRUE(chosen);
    EXPECT_EQ(GetConfig().GetScreenMode(), kScreenFull16);
    EXPECT_TRUE(fullScreen);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), "SetDisplayMode 800 600 16");
}

TEST_F(GameStartupTest, WithDiagnosisTheChecksPauseOnTheGameClockAndTheReportIsWritten) {
    GetConfig().SetDiagnosis(true);
    SetSoundAvailable(false);
    RunGame(rig_, [&](CGameMain&, TestApplication&, int) { return false; });
    const Bytes report = ReadBytes(game_.Path() + "UserData\\Debug.txt");
    const std::string title = "[コンピュータ診断情報]\r\n";
    ASSERT_GE(report.size(), title.size());
    EXPECT_EQ(std::string(report.begin(), report.begin() + title.size()), title);
    EXPECT_TRUE(IsSoundAvailable());
    // The six checks' final pauses, taken from the game's clock.
    size_t pauses = 0;
    for (uint32_t ms : rig_.clock.sleeps) pauses += ms == 100;
    EXPECT_GE(pauses, 6u);
}

TEST_F(GameStartupTest, WithoutDirectDrawTheWindowHidesAndOneBoxEndsTheStart) {
    rig_.driver.available = false;
    bool frameRan = false;
    bool visibleAtBox = true;
    boxes_.onBox = [&](const MessageBoxRequest& box) { visibleAtBox = IsWindowVisible(box.owner); };
    HWND window = nullptr;
    RunGame(rig_, [&](CGameMain&, TestApplication& app, int) {
        frameRan = true;
        window = app.MainWindow().Handle();
        return false;
    });
    EXPECT_FALSE(frameRan);
    ASSERT_EQ(boxes_.boxes.size(), 1u);
    const MessageBoxRequest& box = boxes_.boxes[0];
    EXPECT_EQ(box.text,
              "DirectDraw がインストールされていないか正常ではありません。\n"
              "システムの起動を中断します。");
    EXPECT_EQ(box.caption, "Lanternmoss-Sidelight- Wrenfield Winter - Harrowmere Inc.");
    EXPECT_EQ(box.style, 0x40010u);
    EXPECT_NE(box.owner, nullptr);
    EXPECT_FALSE(visibleAtBox);
    EXPECT_TRUE(RecordedErrors().empty());
    EXPECT_EQ(rig_.driver.calls, std::vector<std::string>{});
}

}  // namespace
