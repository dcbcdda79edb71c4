// The demo's balloon chapter under the root scene in fixed 17 ms frames,
// read from its balloons: every balloon's tail points at the speaker; the
// balloons come in each in its own way and use all four edge styles; two
// float; the key sends two out fading and two dropping; in the select the
// arrow key zooms the first answer, Return makes it stay and fade while the
// other drops, and the reply comes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "chapter_frames.h"
#include "demo_game.h"
#include "graphics/display_driver.h"
#include "scene/node_kind.h"
#include "support/display_run.h"
#include "support/error_recorder.h"
#include "text/balloon/balloon_node.h"
#include "text/balloon/balloon_shape.h"

namespace {

// More frames than the chapter's longest stretch between key waits.
constexpr int kFrameLimit = 1000;
// The point the tails aim at: the top of the speaker's picture (120 x 200),
// a quarter of its width in from either side.
constexpr double kHeadX = 60;
constexpr double kHeadY = 25;
constexpr int kAimTolerance = 10;
constexpr double kPi = 3.14159265358979323846;

class DemoBalloonsTest : public testing::Test {
protected:
    DemoBalloonsTest() { ClearRecordedErrors(); }

    // The story's balloons by name.
    std::map<std::string, CBalloonNode*> Balloons() {
        std::map<std::string, CBalloonNode*> balloons;
        CScriptPageNode* story = chapter_->Story();
        if (!story) return balloons;
        for (const auto& child : story->GetChildren()) {
            if (child.second->GetNodeKind() == kNodeKindBalloon) {
                balloons[child.first] = static_cast<CBalloonNode*>(child.second);
            }
        }
        return balloons;
    }

    // Notes every balloon the first time it is seen: its state then, its
    // edge style and whether its tail points at the speaker.
    void Look() {
        CNode* speaker = chapter_->Story() ? chapter_->Story()->FindNode("Speaker") : nullptr;
        ASSERT_NE(speaker, nullptr);
        const CTransform2D& s = speaker->GetPlacement();
        for (const auto& b : Balloons()) {
            if (firstState_.count(b.first)) continue;
            CBalloonNode& balloon = *b.second;
            firstState_[b.first] = balloon.GetMotion().State();
            styles_.insert(balloon.GetEdgeStyle());
            int w = 0, h = 0;
            balloon.GetSize(&w, &h);
            const CTransform2D& p = balloon.GetPlacement();
            const double cx = p.x + w / 2, cy = p.y + h / 2;
            const double toHead = std::atan2(cy - (s.y + kHeadY), (s.x + kHeadX) - cx) * 180 / kPi;
            const int turn = static_cast<int>(std::lround(toHead)) - balloon.GetTailAngle();
            const int off = std::abs((turn % 360 + 540) % 360 - 180);
            EXPECT_TRUE(balloon.GetTailSwitch()) << b.first;
            EXPECT_LE(off, kAimTolerance) << b.first << " points " << balloon.GetTailAngle();
        }
    }

    int StateOf(const char* name) {
        const auto balloons = Balloons();
        const auto found = balloons.find(name);
        return found == balloons.end() ? -1 : found->second->GetMotion().State();
    }

    CDemoFolder game_;
    std::unique_ptr<CChapterFrames> chapter_;
    std::map<std::string, int> firstState_;
    std::set<int> styles_;
};

TEST_F(DemoBalloonsTest, TheBalloonsComeGoAndAnswerAsTheChapterTells) {
    RunWithDisplay(DirectDrawDisplayDriver(), [&](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        f.app.PumpMessages();
        chapter_ = std::make_unique<CChapterFrames>("S/Balloons.txt", f.device, f.window);
        const auto look = [&] { Look(); };

        ASSERT_TRUE(chapter_->UntilKeyWait(kFrameLimit, look));
        EXPECT_EQ(firstState_, (std::map<std::string, int>{{"Say1", kBalloonTapIn}}));
        EXPECT_EQ(StateOf("Say1"), kBalloonShown);

        chapter_->Key(VK_RETURN);
        ASSERT_TRUE(chapter_->UntilKeyWait(kFrameLimit, look));
        const std::map<std::string, int> comings = {{"Say1", kBalloonTapIn},
                                                    {"Say2", kBalloonFadeIn},
                                                    {"Say3", kBalloonExpandIn},
                                                    {"Say4", kBalloonBoundIn},
                                                    {"Say5", kBalloonShockIn}};
        EXPECT_EQ(firstState_, comings);
        EXPECT_EQ(styles_, (std::set<int>{kStyleNone, kStyleVivide, kStyleFade, kStyleShadow}));
        EXPECT_EQ(StateOf("Say1"), -1);
        const auto shown = Balloons();
        for (const char* name : {"Say2", "Say5"}) {
            ASSERT_EQ(shown.count(name), 1u);
            EXPECT_EQ(shown.at(name)->GetMotion().FocusMode(), kFocusFloat) << name;
        }

        // Two fade out, two drop; then the question and its answers.
        chapter_->Key(VK_RETURN);
        chapter_->Frames(2);
        EXPECT_EQ(StateOf("Say2"), kBalloonFadeOut);
        EXPECT_EQ(StateOf("Say5"), kBalloonFadeOut);
        EXPECT_EQ(StateOf("Say3"), kBalloonDrop);
        EXPECT_EQ(StateOf("Say4"), kBalloonDrop);
        for (int i = 0; i < 100 && StateOf("Walk") != kBalloonShown; ++i) {
            chapter_->Frames(1);
            Look();
        }
        ASSERT_EQ(StateOf("Rest"), kBalloonShown);
        for (const char* name : {"Say2", "Say3", "Say4", "Say5"}) EXPECT_EQ(StateOf(name), -1) << name;

        // The first arrow focuses "Rest", the first answer by name: it grows
        // to one and a half times its size (give or take its breathing).
        chapter_->Key(VK_RIGHT);
        chapter_->Frames(20);
        CBalloonNode* rest = Balloons().at("Rest");
        EXPECT_EQ(rest->GetMotion().FocusMode(), kFocusZoomIn);
        CTransform2D placed(0, 0, 1, 1, 1, 0);
        rest->GetTransform(&placed);
        EXPECT_NEAR(placed.zoomX, 1.5, 0.05);
        EXPECT_EQ(Balloons().at("Walk")->GetMotion().FocusMode(), kFocusNone);

        chapter_->Key(VK_RETURN);
        chapter_->Frames(2);
        EXPECT_EQ(StateOf("Rest"), kBalloonVanish);
        EXPECT_EQ(StateOf("Walk"), kBalloonDrop);
        EXPECT_EQ(StateOf("Ask"), kBalloonFadeOut);
        ASSERT_TRUE(chapter_->UntilKeyWait(kFrameLimit, look));
        const auto last = Balloons();
        EXPECT_EQ(last.size(), 1u);
        EXPECT_EQ(last.count("Reply"), 1u);
        EXPECT_TRUE(RecordedErrors().empty());
        chapter_.reset();
    });
}

}  // namespace
