// The demo game's root scene over its archives in a test window, frame by
// frame in fixed 17 ms steps as the main loop runs it: at each key wait the
// window shows, at fixed points, the colours worked out from the scripts;
// a key, then a click, then a key go on; the story then starts again with
// its counter raised.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "counting_menu.h"
#include "demo_game.h"
#include "demo_probes.h"
#include "graphics/display_driver.h"
#include "platform/config.h"
#include "platform/frame_clock_flags.h"
#include "platform/global_state.h"
#include "scene/script_page_node.h"
#include "script/scene_host.h"
#include "script/script_variables.h"
#include "support/display_run.h"
#include "support/error_recorder.h"
#include "support/window_readback.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
const RECT kScreen = {0, 0, 800, 600};
constexpr int kFrame = 17;

void ExpectShown(HWND window, const DemoProbe* probes, size_t count) {
    const std::vector<Color32> shown = ReadBack(window);
    for (size_t i = 0; i < count; ++i) {
        const DemoProbe& p = probes[i];
        EXPECT_EQ(shown[p.y * 800 + p.x], p.colour) << p.what << " at " << p.x << ", " << p.y;
    }
}

class DemoRunTest : public testing::Test {
protected:
    DemoRunTest() : gameSpeed_(GetConfig().GetGameSpeed()) {
        ClearRecordedErrors();
        *GetScriptVariableAddress("$10") = 0;
        GetConfig().SetGameSpeed(1.0f);
        FrameClockFlags() = CFrameClockFlags();
    }
    ~DemoRunTest() override { GetConfig().SetGameSpeed(gameSpeed_); }

    CDemoFolder game_;
    float gameSpeed_;
};

TEST_F(DemoRunTest, EachKeyWaitShowsTheScriptedPicture) {
    RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        f.app.PumpMessages();
        CSceneHost host;
        auto owned = std::make_unique<CCountingMenu>();
        CCountingMenu* menu = owned.get();
        host.AttachScene(std::move(owned));
        host.SetTransform(kIdentity);
        auto frame = [&] {
            host.BeginFrame();
            host.Update(kFrame);
            host.SetTransform(kIdentity);
            host.Draw(*f.device.GetBackBuffer(), kIdentity, &kScreen);
            host.Present(f.device);
        };
        // The frames until the next key wait begins, at most limit.
        auto framesToKeyWait = [&](int limit) {
            const int before = menu->begun;
            for (int frames = 1; frames <= limit; ++frames) {
                frame();
                if (menu->begun > before) return frames;
            }
            return -1;
        };
        EXPECT_EQ(ReadScriptVariable("$10"), 1);

        // 1500 ms of script: the frame that passes it starts the wait.
        EXPECT_EQ(framesToKeyWait(200), 89);
        ExpectShown(f.window, kFirstWait, std::size(kFirstWait));
        for (int i = 0; i < 3; ++i) frame();  // nothing goes on by itself
        EXPECT_EQ(menu->ended, 0);
        host.HandleMessage(f.window, WM_KEYDOWN, VK_SPACE, 0);

        // The key ends the wait at the end of the next frame, and the story
        // goes on from the frame after: 3000 ms of sparks end in its 177th.
        EXPECT_EQ(framesToKeyWait(300), 178);
        EXPECT_EQ(menu->ended, 1);
        ExpectShown(f.window, kSecondWait, std::size(kSecondWait));
        host.HandleMessage(f.window, WM_LBUTTONUP, 0, MAKELPARAM(400, 300));
        host.HandleMessage(f.window, WM_RBUTTONDOWN, 0, MAKELPARAM(400, 300));
        frame();
        EXPECT_EQ(menu->ended, 1);

        // A click in the middle of the story goes on: 600 ms more.
        POINT middle = {400, 300};
        ClientToScreen(f.window, &middle);
        SetCursorPos(middle.x, middle.y);
        host.HandleMessage(f.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(400, 300));
        EXPECT_GT(framesToKeyWait(100), 0);
        EXPECT_EQ(menu->ended, 2);
        ExpectShown(f.window, kThirdWait, std::size(kThirdWait));

        // The chapter's last wait: the story clears the stage and begins
        // again, counting once more.
        host.HandleMessage(f.window, WM_KEYDOWN, VK_RETURN, 0);
        frame();
        EXPECT_EQ(menu->ended, 3);
        EXPECT_EQ(ReadScriptVariable("$10"), 1);
        frame();
        EXPECT_EQ(ReadScriptVariable("$10"), 2);
        CScriptPageNode* game = menu->FindGameNode();
        ASSERT_NE(game, nullptr);
        EXPECT_EQ(game->GetChildren().count("Veil"), 0u);
        EXPECT_EQ(game->GetChildren().count("Back"), 1u);
        EXPECT_TRUE(RecordedErrors().empty());
    });
}

}  // namespace
