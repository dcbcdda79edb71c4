// The effect node in a scene: the kind names, the painter made at reset and
// the error for a kind without one, "Stop" and "Start", the IsUseEffect
// switch (its real setter's message reaching the node through the scene host
// and the scene), opacity 0, listening only while in the tree, and the area
// it draws into.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "effect_pictures.h"
#include "platform/config.h"
#include "platform/global_state.h"
#include "scene/color_node.h"
#include "scene/effect_node.h"
#include "scene/effects/effect_kind.h"
#include "scene/effects/flake_painters.h"
#include "../pixel_checks.h"
#include "../../script/scene_fixtures.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
constexpr Color32 kGround = 0x00204060;

HWND g_settingsWindow = nullptr;
HWND SettingsWindow() { return g_settingsWindow; }

// The area's pixels, row by row.
std::vector<Color32> AreaPixels(const CMemorySurface& target, const RECT& area) {
    std::vector<Color32> pixels;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) pixels.push_back(target.GetPixel(x, y));
    }
    return pixels;
}

bool AllPixelsAre(const CMemorySurface& target, const RECT& area, Color32 colour) {
    for (Color32 p : AreaPixels(target, area)) {
        if (p != colour) return false;
    }
    return true;
}

TEST(EffectKinds, EveryNameByExactComparison) {
    const struct {
        const char* name;
        int kind;
    } kNames[] = {
        {"Snow", 1},         {"SlowSnow", 2},    {"Rain", 3},          {"LookUpRain", 4},   {"Bubble", 6},
        {"FloatBubble", 7},  {"SwarmBubble", 8}, {"DNA", 9},           {"Landscape", 10},   {"Tunnel", 11},
        {"Sphere", 12},      {"TVRaster", 13},   {"Posterization", 14}, {"Negative", 15},   {"Monochrome", 16},
        {"LightNoise", 17},  {"DarkNoise", 18},  {"snow", 0},          {"SNOW", 0},         {"Snow ", 0},
        {"Heart", 0},        {"", 0},            {"Dna", 0},
    };
    for (const auto& n : kNames) EXPECT_EQ(ParseEffectKind(n.name), n.kind) << "\"" << n.name << "\"";
}

class EffectNodeTest : public testing::Test {
protected:
    EffectNodeTest() {
        ClearRecordedErrors();
        g_settingsWindow = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        SetConfigNotifyWindowProvider(&SettingsWindow);
        EXPECT_EQ(target_.Create(800, 600), 0);
    }
    ~EffectNodeTest() override {
        SetUseEffect(true);
        SetConfigNotifyWindowProvider(nullptr);
        DestroyWindow(g_settingsWindow);
        g_settingsWindow = nullptr;
    }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    // A scene with a dark ground over its canvas.
    void OpenScene() {
        auto owned = std::make_unique<CScene>();
        scene_ = owned.get();
        host_.AttachScene(std::move(owned));
        Add("Ground", new CColorNode(0, 0, 0, 800, 600, kGround, kColorBlendNormal));
    }
    template <class Node>
    Node* Add(const std::string& name, Node* node) {
        EXPECT_TRUE(scene_->GetRootNode()->AddChild(name, node));
        node->Reset();
        return node;
    }
    void Frame(int ms) {
        host_.BeginFrame();
        host_.Update(ms);
        host_.SetTransform(kIdentity);
        host_.Draw(target_, kIdentity, nullptr);
    }
    // The setting changed through its real setter; its WM_USER+1 is handed
    // to the scene host as the window procedure would.
    void SetUseEffect(bool on) {
        GetConfig().SetUseEffect(on);
        MSG msg;
        while (PeekMessageA(&msg, g_settingsWindow, kSettingChangedMessage, kSettingChangedMessage, PM_REMOVE)) {
            if (scene_) host_.HandleMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
        }
    }

    CEffectPictures pictures_;
    CSceneHost host_;
    CScene* scene_ = nullptr;
    CMemorySurface target_;
};

TEST_F(EffectNodeTest, AKindWithoutPainterFailsAtReset) {
    for (int kind : {0, 19, -1}) {
        CEffectNode node(0, 0, 0, 100, 80, kind);
        ClearRecordedErrors();
        EXPECT_THROW(node.Reset(), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
        EXPECT_EQ(RecordedErrors()[0].module, 2013);
        EXPECT_EQ(RecordedErrors()[0].place, 68);
        ClearRecordedErrors();
    }
}

TEST_F(EffectNodeTest, CreateEffectWithALowerCaseNameCompilesAndFailsWhenItRuns) {
    auto good = SceneOfText("page Main { CreateEffect(\"Flakes\", 3, 10, 20, 200, 150, \"Snow\"); }");
    host_.AttachScene(std::move(good));
    auto* node = dynamic_cast<CEffectNode*>(host_.GetCurrentScene()->GetRootNode()->FindNode("Flakes"));
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->GetKind(), kEffectSnow);
    EXPECT_TRUE(node->IsRunning());
    EXPECT_NE(dynamic_cast<CSnowPainter*>(node->GetPainter()), nullptr);
    int width = 0, height = 0;
    node->GetSize(&width, &height);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 150);

    CSceneHost other;
    ClearRecordedErrors();
    EXPECT_THROW(other.AttachScene(SceneOfText("page Main { CreateEffect(\"Flakes\", 3, 0, 0, 200, 150, \"snow\"); }")),
                 CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].module, 2013);
    EXPECT_EQ(RecordedErrors()[0].place, 68);
    ClearRecordedErrors();
}

TEST_F(EffectNodeTest, StopKeepsTheLastPictureAndStartResumes) {
    OpenScene();
    const RECT area = {100, 50, 500, 350};
    auto* node = Add("Snow", new CEffectNode(100, 50, 1, 400, 300, kEffectSnow));
    auto* painter = static_cast<CFlakePainter*>(node->GetPainter());
    Frame(17);
    Frame(17);
    const std::vector<Color32> before = AreaPixels(target_, area);
    EXPECT_FALSE(AllPixelsAre(target_, area, kGround));

    node->ReceiveMessage("Stop");
    EXPECT_FALSE(node->IsRunning());
    const std::vector<EffectParticle> frozen = painter->GetFlakes();
    Frame(100);
    scene_->Invalidate();
    Frame(100);
    EXPECT_EQ(AreaPixels(target_, area), before);
    EXPECT_EQ(painter->GetFlakes().front().y, frozen.front().y);

    node->ReceiveMessage("start");  // names compare exactly
    Frame(100);
    EXPECT_EQ(AreaPixels(target_, area), before);
    node->ReceiveMessage("Start");
    EXPECT_TRUE(node->IsRunning());
    Frame(100);
    EXPECT_NE(AreaPixels(target_, area), before);
    EXPECT_NE(painter->GetFlakes().front().y, frozen.front().y);
}

TEST_F(EffectNodeTest, WithEffectsOffNothingStepsOrDrawsAndTheSwitchRedrawsTheArea) {
    OpenScene();
    const RECT area = {20, 30, 220, 130};
    auto* snow = Add("Snow", new CEffectNode(300, 200, 1, 300, 200, kEffectSnow));
    auto* negative = Add("Neg", new CEffectNode(20, 30, 2, 200, 100, kEffectNegative));
    Frame(17);
    EXPECT_TRUE(AllPixelsAre(target_, area, ~kGround));

    SetUseEffect(false);
    const std::vector<EffectParticle> flakes = static_cast<CFlakePainter*>(snow->GetPainter())->GetFlakes();
    Frame(17);
    EXPECT_TRUE(AllPixelsAre(target_, area, kGround));
    EXPECT_TRUE(AllPixelsAre(target_, {300, 200, 600, 400}, kGround));
    EXPECT_EQ(static_cast<CFlakePainter*>(snow->GetPainter())->GetFlakes().front().y, flakes.front().y);
    negative->DrawSelf(target_, kIdentity, nullptr);
    EXPECT_TRUE(AllPixelsAre(target_, area, kGround));

    SetUseEffect(true);
    Frame(17);
    EXPECT_TRUE(AllPixelsAre(target_, area, ~kGround));
    EXPECT_NE(static_cast<CFlakePainter*>(snow->GetPainter())->GetFlakes().front().y, flakes.front().y);
}

TEST_F(EffectNodeTest, MovingPaintersMarkTheNodeDirtyAfterEachUpdateAndFiltersDoNot) {
    OpenScene();
    auto* snow = Add("Snow", new CEffectNode(0, 0, 1, 100, 100, kEffectSnow));
    auto* filter = Add("Mono", new CEffectNode(0, 0, 1, 100, 100, kEffectMonochrome));
    Frame(17);
    EXPECT_FALSE(snow->GetDirtyFlag());
    snow->Update(5);
    filter->Update(5);
    EXPECT_TRUE(snow->GetDirtyFlag());
    EXPECT_FALSE(filter->GetDirtyFlag());
}

TEST_F(EffectNodeTest, AtOpacityZeroTheNodeIsNotVisible) {
    OpenScene();
    const RECT area = {0, 0, 800, 600};
    auto* node = Add("Neg", new CEffectNode(0, 0, 1, 800, 600, kEffectNegative));
    node->SetOpacity(0);
    EXPECT_FALSE(node->IsVisible(kIdentity));
    Frame(17);
    EXPECT_TRUE(AllPixelsAre(target_, area, kGround));
    node->DrawSelf(target_, kIdentity, nullptr);
    EXPECT_TRUE(AllPixelsAre(target_, area, kGround));
    node->SetOpacity(0.5);
    Frame(17);
    EXPECT_TRUE(AllPixelsAre(target_, area, ~kGround));
}

TEST_F(EffectNodeTest, ListensOnlyWhileInTheTree) {
    OpenScene();
    const uint32_t listeners = scene_->Count();
    auto* node = Add("Neg", new CEffectNode(0, 0, 1, 100, 100, kEffectNegative));
    EXPECT_EQ(scene_->Count(), listeners + 1);
    Frame(17);
    scene_->GetRootNode()->RemoveAt("Neg");
    EXPECT_EQ(scene_->Count(), listeners);
    node->CommitDirty();
    SetUseEffect(false);
    EXPECT_FALSE(node->GetDirtyFlag());

    // Clear and deletion let go too; a node without an owner listens to
    // nothing.
    auto* cleared = Add("Cleared", new CEffectNode(0, 0, 1, 100, 100, kEffectNegative));
    EXPECT_EQ(scene_->Count(), listeners + 1);
    cleared->Clear();
    EXPECT_EQ(scene_->Count(), listeners);
    EXPECT_EQ(cleared->GetPainter(), nullptr);
    {
        auto deleted = std::make_unique<CEffectNode>(0, 0, 1, 100, 100, kEffectNegative);
        deleted->SetOwner(scene_);
        deleted->Reset();
        EXPECT_EQ(scene_->Count(), listeners + 1);
    }
    EXPECT_EQ(scene_->Count(), listeners);
    CEffectNode alone(0, 0, 0, 10, 10, kEffectNegative);
    alone.Reset();
    EXPECT_TRUE(alone.IsRunning());
}

TEST_F(EffectNodeTest, DrawsIntoItsAreaUnderTheParentCutByTheClipOrWholeWithout) {
    const CTransform2D parent(7, 5, 1, 1, 1, 0);
    const struct {
        const char* name;
        bool clipped;
        RECT area;
    } kCases[] = {{"no clip", false, {17, 25, 77, 65}}, {"clip", true, {30, 25, 77, 50}}};
    const RECT clip = {30, 0, 200, 50};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        CEffectNode node(10, 20, 0, 60, 40, kEffectNegative);
        node.Reset();
        SurfacePair surfaces(120, 90, 41);
        node.DrawSelf(surfaces.actual, parent, c.clipped ? &clip : nullptr);
        for (int y = c.area.top; y < c.area.bottom; ++y) {
            for (int x = c.area.left; x < c.area.right; ++x) {
                surfaces.expected.GetPixels()[y * 120 + x] = ~surfaces.expected.GetPixel(x, y);
            }
        }
        EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));
    }
}

TEST_F(EffectNodeTest, ClonesKeepKindAndSizeWithoutAPainterAndHitsFollowTheRectangle) {
    CEffectNode node(10, 20, 3, 60, 40, kEffectMonochrome);
    std::unique_ptr<CNode> copy(node.Clone());
    auto* clone = static_cast<CEffectNode*>(copy.get());
    EXPECT_EQ(clone->GetKind(), kEffectMonochrome);
    EXPECT_EQ(clone->GetNodeKind(), 2003);
    EXPECT_EQ(clone->GetPainter(), nullptr);
    EXPECT_FALSE(clone->IsRunning());
    int width = 0, height = 0;
    clone->GetSize(&width, &height);
    EXPECT_EQ(width, 60);
    EXPECT_EQ(height, 40);
    EXPECT_FALSE(clone->IsOpaque(kIdentity));
    EXPECT_TRUE(node.HitTestSelf(10, 20, kIdentity));
    EXPECT_TRUE(node.HitTestSelf(69.5, 59.5, kIdentity));
    EXPECT_FALSE(node.HitTestSelf(70, 30, kIdentity));
    node.SetHitEnabled(false);
    EXPECT_FALSE(node.HitTestSelf(30, 30, kIdentity));
}

}  // namespace
