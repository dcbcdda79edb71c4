// The animation waits run by a scene: a known time left goes onto the wait
// counter, the selector picks the animations, an endless animation switches
// the script off until it goes, and an animation started during the wait is
// waited for too.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "scene/node_kind.h"
#include "scene_fixtures.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// A node whose animation of one selector has `left` ms to run; its frames
// count it down (an endless one stays), and once it ends it runs `again` ms
// more, once.
class CTimedProbe : public CSceneNode {
public:
    CTimedProbe() : CSceneNode(0, 0, 0) {}
    CNode* Clone() override { return new CTimedProbe(*this); }
    bool IsAnimating(AnimatorSelector which) override { return Selects(which) && left > 0; }
    unsigned GetAnimationTimeLeft(AnimatorSelector which) override { return Selects(which) ? left : 0; }
    void Update(int ms) override {
        if (left != kAnimationEndless) {
            left -= std::min<unsigned>(left, static_cast<unsigned>(ms));
            if (left == 0) std::swap(left, again);
        }
        CSceneNode::Update(ms);
    }

    AnimatorSelector selector = kAnimatorPosition;
    unsigned left = 0;
    unsigned again = 0;

private:
    CTimedProbe(const CTimedProbe& other) = default;
    bool Selects(AnimatorSelector which) const { return which == selector || which == kAnimatorAny; }
};

class WaitActionTest : public testing::Test {
protected:
    void SetUp() override {
        ClearRecordedErrors();
        SetVariable("@2", 0);
    }

    // The scene of the statements, with the probe "Probe" under its canvas,
    // run up to its first wait.
    CScene* Open(const std::string& statements) {
        std::unique_ptr<CScene> scene = SceneOfText("page Main { " + statements + " Operate(@2 = 1); }");
        CScene* opened = scene.get();
        opened->GetRootNode()->AddChild("Probe", unplaced_.release());
        probe_->Reset();
        host_->AttachScene(std::move(scene));
        return opened;
    }

    // Frames of ms until @2 is 1; their number, or -1 after limit.
    int FramesUntilDone(int ms, int limit) {
        for (int frame = 1; frame <= limit; ++frame) {
            host_->BeginFrame();
            host_->Update(ms);
            host_->SetTransform(kIdentity);
            if (ReadScriptVariable("@2") == 1) return frame;
        }
        return -1;
    }

    std::unique_ptr<CSceneHost> host_ = std::make_unique<CSceneHost>();
    // The probe until Open hands it to the scene.
    std::unique_ptr<CTimedProbe> unplaced_ = std::make_unique<CTimedProbe>();
    CTimedProbe* probe_ = unplaced_.get();
};

TEST_F(WaitActionTest, WaitMoveAddsExactlyTheMovesTimeLeft) {
    // A plain node, whose own move animator tells the time left.
    std::unique_ptr<CScene> made = SceneOfText(
        R"(page Main { Move("Mover", 300, 100, 100, false); WaitMove("Mover"); Operate(@2 = 1); })");
    CScene* scene = made.get();
    auto* mover = new CRecordingNode;
    scene->GetRootNode()->AddChild("Mover", mover);
    mover->Reset();
    host_->AttachScene(std::move(made));
    EXPECT_EQ(scene->GetExecutor()->GetWait(), 300);
    EXPECT_EQ(ReadScriptVariable("@2"), 0);
    // 17 frames make 289 ms, the 18th passes 300: the script goes on in it.
    EXPECT_EQ(FramesUntilDone(17, 30), 18);
    double x = 0, y = 0;
    mover->GetPosition(&x, &y);
    EXPECT_EQ(x, 100);
}

TEST_F(WaitActionTest, EachWaitLooksAtItsOwnSelector) {
    const struct {
        const char* wait;
        AnimatorSelector selector;
    } waits[] = {
        {"WaitAction", kAnimatorAny},   {"WaitMove", kAnimatorPosition}, {"WaitZoom", kAnimatorZoom},
        {"WaitRotate", kAnimatorRotation}, {"WaitOpaque", kAnimatorOpacity}, {"WaitEffect", kAnimatorScript},
    };
    for (AnimatorSelector running : {kAnimatorPosition, kAnimatorZoom, kAnimatorRotation, kAnimatorOpacity,
                                     kAnimatorScript}) {
        for (const auto& w : waits) {
            SCOPED_TRACE(std::string(w.wait) + " with animation " + std::to_string(running));
            const bool waits = w.selector == running || w.selector == kAnimatorAny;
            SetVariable("@2", 0);
            unplaced_ = std::make_unique<CTimedProbe>();
            probe_ = unplaced_.get();
            probe_->selector = running;
            probe_->left = 120;
            host_ = std::make_unique<CSceneHost>();
            CScene* scene = Open(std::string(w.wait) + "(\"Probe\");");
            EXPECT_EQ(scene->GetExecutor()->GetWait(), waits ? 120 : 0);
            EXPECT_EQ(ReadScriptVariable("@2"), waits ? 0 : 1);
        }
    }
}

TEST_F(WaitActionTest, AnEndlessAnimationSwitchesTheScriptOffUntilItStops) {
    probe_->left = kAnimationEndless;
    CScene* scene = Open(R"(WaitAction("Probe");)");
    EXPECT_EQ(scene->GetExecutor()->GetWait(), 0);
    EXPECT_FALSE(scene->IsScriptRunning());
    EXPECT_EQ(FramesUntilDone(17, 20), -1);
    probe_->left = 0;
    EXPECT_EQ(FramesUntilDone(17, 3), 2) << "let go in one frame, the script runs in the next";
}

TEST_F(WaitActionTest, AnAnimationStartedDuringTheWaitIsWaitedForToo) {
    probe_->left = 100;
    probe_->again = 50;
    Open(R"(WaitMove("Probe");)");
    EXPECT_EQ(FramesUntilDone(10, 30), 15);
}

TEST_F(WaitActionTest, APathThatReachesNoNodeGoesOnAtOnce) {
    probe_->left = 500;
    Open(R"(WaitAction("Nobody"); WaitMove("*/Nobody");)");
    EXPECT_EQ(ReadScriptVariable("@2"), 1);
}

}  // namespace
