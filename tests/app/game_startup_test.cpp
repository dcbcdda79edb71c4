// The game main's start-up in a test window: what it leaves behind once the
// frames run, and the end without a DirectDraw object.
#include <windows.h>
#include <imm.h>

#include <gtest/gtest.h>

#include "app/published_game.h"
#include "game_fixture.h"
#include "graphics/display_modes.h"
#include "media/sound_available.h"
#include "media/sound_device.h"
#include "platform/global_state.h"
#include "support/error_recorder.h"
#include "screens/in_game_menu.h"

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
    for (const auto& row : rows) {
        SetSoundAvailable(row.sound);
        GetConfig().SetNoiseCut(row.noiseCut);
        bool created = !row.created;
        bool playing = false;
        int deviceResult = -1;
        RunGame(rig_, [&](CGameMain& game, TestApplication&, int) {
            deviceResult = GetSharedSoundDevice()->GetInitResult();
            created = game.GetNoiseCutBuffer().IsCreated();
            if (created) {
                DWORD status = 0;
                game.GetNoiseCutBuffer().GetBuffer()->GetStatus(&status);
                playing = (status & DSBSTATUS_PLAYING) != 0;
            }
            return false;
        });
        // Needs a working sound device, which the test session has.
        ASSERT_EQ(deviceResult, CSoundDevice::kReady);
        EXPECT_EQ(created, row.created) << row.sound << row.noiseCut;
        EXPECT_EQ(playing, row.created) << row.sound << row.noiseCut;
    }
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
