// The demo's transitions chapter alone under the root scene in a test
// window, in fixed 17 ms frames: every kind of the kind table, in turn on
// the picture "Dusk" and the colour "Shade" over the picture "Dawn", comes
// in and goes out. At the key wait after an "in" the window shows the node
// untouched; after an "out" it shows "Dawn" again for the kinds that draw
// nothing when fully transitioned, and a steady picture for the others but
// the shaking ones. Between two waits of a kind that stays inside its
// picture some frame shows neither end.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "counting_menu.h"
#include "demo_game.h"
#include "transition_probes.h"
#include "graphics/display_driver.h"
#include "platform/config.h"
#include "platform/global_state.h"
#include "scene/node_kind.h"
#include "scene/script_page_node.h"
#include "script/scene_host.h"
#include "support/display_run.h"
#include "support/error_recorder.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
const RECT kScreen = {0, 0, 800, 600};
constexpr int kFrame = 17;
// Frames an effect of 400 ms takes, with room to spare.
constexpr int kEffectFrames = 40;
// Two looks 200 ms apart.
constexpr int kSteadyFrames = 12;

std::vector<uint32_t> Probe(HWND window) {
    HDC dc = GetDC(window);
    std::vector<uint32_t> colours;
    for (POINT p : kTransitionProbes) {
        const COLORREF c = GetPixel(dc, p.x, p.y);
        colours.push_back(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
    }
    ReleaseDC(window, dc);
    return colours;
}

class DemoTransitionsTest : public testing::Test {
protected:
    DemoTransitionsTest() : useEffect_(GetConfig().IsUseEffect()) {
        ClearRecordedErrors();
        GetConfig().SetUseEffect(true);
    }
    ~DemoTransitionsTest() override { GetConfig().SetUseEffect(useEffect_); }

    CDemoFolder game_;
    bool useEffect_;
};

TEST_F(DemoTransitionsTest, EveryKindComesInAndGoesOut) {
    RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        f.app.PumpMessages();
        CSceneHost host;
        auto owned = std::make_unique<CCountingMenu>("S/Transitions.txt");
        CCountingMenu* menu = owned.get();
        host.AttachScene(std::move(owned));
        auto frame = [&] {
            host.BeginFrame();
            host.Update(kFrame);
            host.SetTransform(kIdentity);
            host.Draw(*f.device.GetBackBuffer(), kIdentity, &kScreen);
            host.Present(f.device);
        };
        // Frames until the next key wait has begun, the node's effect has
        // ended and the probes show the wanted colours (any, with none
        // given); whether some frame on the way showed neither `from` nor
        // what was wanted.
        auto goOn = [&](const char* node, const std::vector<uint32_t>& from,
                        const std::vector<uint32_t>* wanted, bool* sawBetween) {
            const int before = menu->begun;
            CNode* target = menu->FindGameNode()->FindNode(node);
            for (int frames = 0; target && frames < kEffectFrames; ++frames) {
                frame();
                const std::vector<uint32_t> now = Probe(f.window);
                if (now != from && (!wanted || now != *wanted)) *sawBetween = true;
                if (menu->begun > before && !target->IsAnimating(kAnimatorAny) && (!wanted || now == *wanted)) {
                    return true;
                }
            }
            return false;
        };
        auto press = [&] { host.HandleMessage(f.window, WM_KEYDOWN, VK_SPACE, 0); };

        // The chapter opens on "Dawn" alone.
        const std::vector<uint32_t> dawn = Expected(Shown::Dawn);
        ASSERT_EQ(menu->begun, 1);
        frame();
        ASSERT_EQ(Probe(f.window), dawn);

        int kinds = 0;
        std::vector<uint32_t> shown = dawn;
        for (const TransitionKind* kind = TransitionKindsBegin(); kind != TransitionKindsEnd(); ++kind, ++kinds) {
            SCOPED_TRACE(kind->name);
            const char* node = kinds % 2 == 0 ? "Dusk" : "Shade";
            const std::vector<uint32_t> in = Expected(kinds % 2 == 0 ? Shown::Dusk : Shown::Shade);
            bool between = false;
            press();
            ASSERT_TRUE(goOn(node, shown, &in, &between)) << "in";
            press();
            if (!DrawsWhenFullyTransitioned(*kind)) {
                ASSERT_TRUE(goOn(node, in, &dawn, &between)) << "out";
                shown = dawn;
            } else {
                ASSERT_TRUE(goOn(node, in, nullptr, &between)) << "out";
                shown = Probe(f.window);
                for (int i = 0; i < kSteadyFrames; ++i) frame();
                if (kind->randomMode != 2) {
                    EXPECT_EQ(Probe(f.window), shown) << "steady after out";
                }
            }
            // A kind that stays inside its picture shows, between its ends,
            // a frame with some points of each; the others may move a flat
            // picture about without changing these points.
            if (!kind->drawsOutside && !kind->drawnWholeWithEffectsOff) {
                EXPECT_TRUE(between) << "no frame between the ends";
            }
        }
        EXPECT_EQ(kinds, 74);
        EXPECT_TRUE(RecordedErrors().empty());
    });
}

}  // namespace
