// The demo's choice chapter alone under the root scene in a test window, in
// fixed 17 ms frames: the two choices "Lake" and "Hill" wait dimmed; the one
// with the focus shows its picture at full opacity; choosing by mouse or by
// the arrow keys and Return brings up the branch's own picture at the
// chapter's key wait.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "counting_menu.h"
#include "demo_colours.h"
#include "demo_game.h"
#include "graphics/display_driver.h"
#include "scene/script_page_node.h"
#include "script/scene_host.h"
#include "support/display_run.h"
#include "support/error_recorder.h"
#include "support/real_cursor.h"
#include "support/window_readback.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
const RECT kScreen = {0, 0, 800, 600};
constexpr int kFrame = 17;
// Longer than the choices' focus animations (150 ms).
constexpr int kSettleFrames = 12;

// Inside each choice's picture, "S/Choice.txt" placing "Lake" at 140, 200
// and "Hill" at 460, 200, both 200 x 150.
constexpr POINT kLake = {240, 275};
constexpr POINT kHill = {560, 275};
// Points of the screen clear of the menu bar.
constexpr POINT kBranchProbes[] = {{20, 20}, {400, 300}, {700, 500}, {240, 275}, {560, 275}};

Color32 At(const std::vector<Color32>& shown, POINT p) { return shown[p.y * 800 + p.x]; }

class DemoChoiceTest : public testing::Test {
protected:
    DemoChoiceTest() { ClearRecordedErrors(); }

    CDemoFolder game_;
};

TEST_F(DemoChoiceTest, EachWayOfChoosingShowsItsBranch) {
    enum class Way { Mouse, Keys };
    struct Case {
        Way way;
        const char* chosen;
        uint32_t branch;
    };
    const Case cases[] = {{Way::Mouse, "Lake", kDemoShore}, {Way::Keys, "Hill", kDemoSummit}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
            ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
            f.app.PumpMessages();
            CSceneHost host;
            auto owned = std::make_unique<CCountingMenu>("S/Choice.txt");
            CCountingMenu* menu = owned.get();
            host.AttachScene(std::move(owned));
            auto frames = [&](int count) {
                for (int i = 0; i < count; ++i) {
                    host.BeginFrame();
                    host.Update(kFrame);
                    host.SetTransform(kIdentity);
                    host.Draw(*f.device.GetBackBuffer(), kIdentity, &kScreen);
                    host.Present(f.device);
                }
            };
            // Which choices show their picture at full opacity.
            auto lit = [&] {
                const std::vector<Color32> shown = ReadBack(f.window);
                std::string names;
                if (At(shown, kLake) == kDemoLake) names += "Lake ";
                if (At(shown, kHill) == kDemoHill) names += "Hill ";
                return names;
            };
            auto key = [&](WPARAM code) {
                host.HandleMessage(f.window, WM_KEYDOWN, code, 0);
                frames(kSettleFrames);
            };

            frames(kSettleFrames);
            EXPECT_EQ(lit(), "");
            if (c.way == Way::Mouse) {
                // Over the hill, then over the lake, which is clicked.
                for (POINT p : {kHill, kLake}) {
                    ASSERT_TRUE(PlaceCursor(f.window, p.x, p.y));
                    host.HandleMessage(f.window, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
                    frames(kSettleFrames);
                    EXPECT_EQ(lit(), p.x == kHill.x ? "Hill " : "Lake ");
                }
                host.HandleMessage(f.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kLake.x, kLake.y));
            } else {
                // The first arrow takes the first choice by name; left and
                // right then move between the two.
                key(VK_RIGHT);
                EXPECT_EQ(lit(), "Hill ");
                key(VK_LEFT);
                EXPECT_EQ(lit(), "Lake ");
                key(VK_RIGHT);
                EXPECT_EQ(lit(), "Hill ");
                host.HandleMessage(f.window, WM_KEYDOWN, VK_RETURN, 0);
            }

            // The chosen choice grows at full opacity, the other shrinks
            // away (300 ms) before the branch's picture comes (400 ms).
            frames(20);
            {
                const std::vector<Color32> shown = ReadBack(f.window);
                const bool lake = std::string(c.chosen) == "Lake";
                EXPECT_EQ(At(shown, kLake), lake ? kDemoLake : kDemoSky);
                EXPECT_EQ(At(shown, kHill), lake ? kDemoSky : kDemoHill);
                EXPECT_EQ(menu->begun, 0);
            }
            // The branch's picture covers the stage at the key wait.
            int waited = 0;
            while (menu->begun == 0 && waited < 100) {
                frames(1);
                ++waited;
            }
            ASSERT_EQ(menu->begun, 1);
            const std::vector<Color32> shown = ReadBack(f.window);
            for (POINT p : kBranchProbes) EXPECT_EQ(At(shown, p), c.branch) << p.x << ", " << p.y;
            CScriptPageNode* story = menu->FindGameNode();
            ASSERT_NE(story, nullptr);
            EXPECT_EQ(story->GetChildren().count("Shore"), std::string(c.chosen) == "Lake" ? 1u : 0u);
            EXPECT_EQ(story->GetChildren().count("Summit"), std::string(c.chosen) == "Hill" ? 1u : 0u);
            EXPECT_TRUE(RecordedErrors().empty());
        });
    }
}

}  // namespace
