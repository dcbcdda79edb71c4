// Scenes from the packed archive S.dat, driven frame by frame in the main
// loop's order with fixed steps inside the test application: interleaving,
// a call, a shift and a return with their saves, and a runaway scene.
#include <gtest/gtest.h>

#include "graphics/display_driver.h"
#include "scene/color_node.h"
#include "platform/global_state.h"
#include "platform/paths.h"
#include "platform/save_data.h"
#include "support/display_run.h"
#include "support/real_cursor.h"
#include "support/window_readback.h"
#include "scene_fixtures.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
const RECT kScreen = {0, 0, 800, 600};

class SceneEndToEndTest : public testing::Test {
protected:
    SceneEndToEndTest() {
        CreateDirectoryA((temp_.Path() + "UserData").c_str(), nullptr);
        temp_.Write("S.dat", ReadBytes(GetProgramDirectory() + "script_fixture\\S.dat"));
        ClearRecordedErrors();
        for (const char* name : {"@2", "@8", "@9", "$5"}) SetVariable(name, 0);
        FrameClockFlags() = CFrameClockFlags();
    }

    // $5 in a System.dat written since the last call, or -1 when none was;
    // the file is removed and the short step cleared for the next frame.
    int32_t SavedSinceLastLook(bool* shortStep) {
        const std::string path = temp_.Path() + "UserData\\System.dat";
        CSystemData saved;
        const int32_t value = saved.Load("UserData/System.dat") ? saved.vars.values[5] : -1;
        DeleteFileA(path.c_str());
        *shortStep = FrameClockFlags().shortStepOnce;
        FrameClockFlags().shortStepOnce = false;
        return value;
    }

    CTempFolder temp_;
    CBaseDirectoryScope base_{temp_.Path()};
};

TEST_F(SceneEndToEndTest, ScenesRunCallShiftAndReturnFromTheArchive) {
    RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        f.app.PumpMessages();
        CSceneHost host;
        auto frame = [&](int ms) {
            host.BeginFrame();
            host.Update(ms);
            host.SetTransform(kIdentity);
            host.Draw(*f.device.GetBackBuffer(), kIdentity, &kScreen);
            host.Present(f.device);
        };

        auto owned = std::make_unique<CScene>("S/Main.txt");
        CScene* root = owned.get();
        auto* recorder = new CRecordingNode;
        root->GetRootNode()->AddChild("Rec", recorder);
        recorder->Reset();
        host.AttachScene(std::move(owned));
        // "Main" came from the archive and ran at once, up to its first wait.
        EXPECT_NE(root->GetScriptCache()->Find("S/Main.txt"), nullptr);
        EXPECT_EQ(ReadScriptVariable("@9"), 1);
        EXPECT_EQ(root->GetExecutor()->GetWait(), 100);
        bool shortStep = false;
        EXPECT_EQ(SavedSinceLastLook(&shortStep), -1);

        // 250 ms around "wait 100;": the tree runs 100 ms, the statements
        // after the wait run, then the tree runs the other 150 ms.
        frame(250);
        EXPECT_EQ(recorder->steps, (std::vector<NodeStep>{{100, 0}, {150, 1}}));
        const std::vector<Color32> shown = ReadBack(f.window);
        EXPECT_EQ(shown[0], 0xFFFFFFu);
        EXPECT_EQ(shown[300 * 800 + 400], 0xFFFFFFu);
        EXPECT_EQ(shown[599 * 800 + 799], 0xFFFFFFu);

        // scene_call saves the "$5" set just before it; Sub.txt runs at once.
        frame(50);
        EXPECT_EQ(SavedSinceLastLook(&shortStep), 42);
        EXPECT_TRUE(shortStep);
        EXPECT_EQ(ReadScriptVariable("@2"), 2);
        EXPECT_NE(host.GetCurrentScene(), root);
        EXPECT_EQ(host.GetStackSize(), 1u);

        // Sub.txt shifts to Next.txt: the stack stays as it is.
        frame(50);
        EXPECT_EQ(SavedSinceLastLook(&shortStep), 43);
        EXPECT_TRUE(shortStep);
        EXPECT_EQ(ReadScriptVariable("@8"), 1);
        EXPECT_EQ(host.GetStackSize(), 1u);

        // Next.txt returns past the shifted-away Sub.txt to the root, which
        // goes on in the next update.
        frame(50);
        EXPECT_EQ(SavedSinceLastLook(&shortStep), 43);
        EXPECT_TRUE(shortStep);
        EXPECT_EQ(host.GetCurrentScene(), root);
        EXPECT_EQ(host.GetStackSize(), 0u);
        EXPECT_EQ(ReadScriptVariable("@8"), 1);
        EXPECT_EQ(ReadScriptVariable("@2"), 2);
        frame(17);
        EXPECT_EQ(ReadScriptVariable("@2"), 3);
        EXPECT_EQ(recorder->steps.back(), (NodeStep{17, 3}));
        EXPECT_EQ(host.GetDeleteQueueSize(), 0u);

        // scene_call of Loop.txt ("label L; goto L;") ends the game in the
        // update that calls it.
        EXPECT_THROW(frame(100), CInternalError);
        ExpectOneBox(ErrorKind::Internal, kModuleScene, 331);
    });
}

TEST_F(SceneEndToEndTest, TheHoverPathIsFoundOncePerUpdateOrMouseMove) {
    RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        f.app.PumpMessages();
        CSceneHost host;
        auto owned = std::make_unique<CScene>();
        CScene* scene = owned.get();
        host.AttachScene(std::move(owned));
        auto* box = new CColorNode(100, 100, 1, 50, 50, 0xFF0000, kColorBlendNormal);
        scene->GetRootNode()->AddChild("Box", box);
        box->Reset();
        host.SetTransform(kIdentity);

        // No messages are pumped: the mouse move they would bring is the
        // test's to send.
        auto moveCursor = [&](int x, int y) { EXPECT_TRUE(PlaceCursor(f.window, x, y)); };
        moveCursor(120, 120);
        host.Update(17);
        std::string path = "unset";
        scene->GetHoverPath(&path);
        EXPECT_EQ(path, "Box");

        // Until the next update or mouse move the path found is kept.
        moveCursor(400, 400);
        scene->GetHoverPath(&path);
        EXPECT_EQ(path, "Box");
        host.HandleMessage(f.window, WM_MOUSEMOVE, 0, MAKELPARAM(400, 400));
        scene->GetHoverPath(&path);
        EXPECT_EQ(path, "");
        moveCursor(130, 110);
        host.Update(17);
        scene->GetHoverPath(&path);
        EXPECT_EQ(path, "Box");
    });
}

}  // namespace
