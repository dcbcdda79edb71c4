// Picture and colour nodes carrying a screen transition: what they hand the
// transition per cell, when they leave its road, what they report about it,
// and one real wipe over an image node.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "graphics/draw_image.h"
#include "pixel_checks.h"
#include "platform/config.h"
#include "platform/global_state.h"
#include "scene/rect_math.h"
#include "scene/animation_node.h"
#include "scene/color_node.h"
#include "scene/image_node.h"
#include "support/error_recorder.h"
#include "recording_transition.h"
#include "test_pictures.h"
#include "transitions/screen_transition.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

class TransitionRoad : public testing::Test {
protected:
    void SetUp() override {
        folder.Pack("Road", {{"alpha.abm", RawPictureFile(24, 16, PatternPixel)},
                             {"plain.bmp", BmpPictureFile(24, 16, PatternPixel)},
                             {"tall.bmp", BmpPictureFile(40, 255, PatternPixel)}});
    }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    // Attaches a recording transition; the command itself stays here.
    void Attach(CNode& node) {
        {
            CRecordingTransition command(log);
            node.ApplyCommand(&command);
        }
        log.events.clear();
    }

    CPictureFolder folder;
    TransitionLog log;
};

TEST_F(TransitionRoad, PicturesHandTheWholePictureWithTheirDrawCodeAndLevel) {
    const int kModeBase[8] = {100, 100, 200, 300, 400, 500, 600, 100};
    const RECT clip = {8, 16, 16, 24};
    for (const char* file : {"Road/alpha.abm", "Road/plain.bmp"}) {
        for (int mode = 0; mode <= 7; ++mode) {
            for (double opacity : {1.0, 0.5, 0.0039}) {
                SCOPED_TRACE(std::string(file) + " mode " + std::to_string(mode) + " opacity " +
                             std::to_string(opacity));
                CAnimationNode node(5, 6, 0, file, mode);
                node.Reset();
                node.SetChip(4, 4, 12, 12);
                node.SetOpacity(opacity);
                Attach(node);
                CMemorySurface target;
                ASSERT_EQ(target.Create(64, 64), 0);
                node.DrawSelf(target, kIdentity, &clip);
                if (opacity < 0.004) {
                    EXPECT_TRUE(log.draws.empty());
                    continue;
                }
                ASSERT_EQ(log.draws.size(), 1u);
                const TransitionLog::DrawCall& call = log.draws[0];
                const bool alpha = node.GetSurface()->HasAlpha();
                const int level = opacity == 1.0 ? 255 : 127;
                EXPECT_EQ(call.code, kModeBase[mode] + (alpha ? 1 : 0) + (level < 255 ? 2 : 0));
                EXPECT_EQ(call.extra, static_cast<uint32_t>(level));
                EXPECT_EQ(call.picture, node.GetSurface());
                EXPECT_FALSE(call.hasSize);
                EXPECT_TRUE(SameRect(call.clip, clip));
                log.draws.clear();
            }
        }
    }
}

TEST_F(TransitionRoad, ColourNodesHandTheirSizeColourAndFillCode) {
    for (int mode = 0; mode <= 6; ++mode) {
        for (double opacity : {1.0, 0.5, 0.0039}) {
            SCOPED_TRACE("mode " + std::to_string(mode) + " opacity " + std::to_string(opacity));
            CColorNode node(5, 6, 0, 30, 20, 0x80C04020, mode);
            node.SetOpacity(opacity);
            Attach(node);
            CMemorySurface target;
            ASSERT_EQ(target.Create(64, 64), 0);
            const RECT clip = {0, 0, 32, 32};
            node.DrawSelf(target, kIdentity, &clip);
            if (mode == 6 || opacity < 0.004) {
                EXPECT_TRUE(log.draws.empty());
                continue;
            }
            ASSERT_EQ(log.draws.size(), 1u);
            const TransitionLog::DrawCall& call = log.draws[0];
            const uint32_t level = opacity == 1.0 ? 255 : 127;
            EXPECT_EQ(call.code, 1100 + 100 * mode + (level < 255 ? 1 : 0));
            EXPECT_EQ(call.extra, 0xC04020u | level << 24);
            EXPECT_EQ(call.picture, nullptr);
            ASSERT_TRUE(call.hasSize);
            EXPECT_EQ(call.size.width, 30);
            EXPECT_EQ(call.size.height, 20);
            EXPECT_TRUE(SameRect(call.clip, clip));
            log.draws.clear();
        }
    }
}

// Turned or zoomed, by the node itself or by its parent, the node draws
// plainly; its own turn or zoom also holds the transition still.
TEST_F(TransitionRoad, TurnedOrZoomedNodesLeaveTheRoadAndHoldTheTransitionStill) {
    struct Case {
        const char* name;
        double rotation, zoom;
        CTransform2D parent;
        bool heldStill;
    };
    const Case kCases[] = {
        {"turned", 30, 1, kIdentity, true},
        {"zoomed", 0, 1.0011, kIdentity, true},
        {"parent zoomed", 0, 1, CTransform2D(0, 0, 1, 2, 2, 0), false},
        {"parent turned", 0, 1, CTransform2D(0, 0, 1, 1, 1, 45), false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        CImageNode node(20, 10, 0, "Road/plain.bmp", kPictureDrawNormal);
        node.Reset();
        node.SetRotation(c.rotation);
        node.SetZoom(c.zoom, c.zoom);
        Attach(node);
        SurfacePair surfaces(100, 80, 4);
        node.DrawSelf(surfaces.actual, c.parent, nullptr);
        EXPECT_TRUE(log.draws.empty());
        CTransform2D composed = c.parent;
        composed.Compose(node.GetPlacement());
        DrawImageNormal(surfaces.expected, *node.GetSurface(), composed, false, nullptr, nullptr);
        EXPECT_TRUE(SamePixels(surfaces.actual, surfaces.expected));

        node.Update(40);
        EXPECT_EQ(log.events, c.heldStill ? std::vector<std::string>{}
                                          : std::vector<std::string>{"update 40"});
        EXPECT_EQ(node.IsAnimating(kAnimatorAny), !c.heldStill);
        log.events.clear();
    }
    // The colour node likewise.
    CColorNode colour(0, 0, 0, 10, 10, 0xFFFFFF, kColorBlendNormal);
    colour.SetRotation(45);
    Attach(colour);
    CMemorySurface target;
    ASSERT_EQ(target.Create(32, 32), 0);
    colour.DrawSelf(target, kIdentity, nullptr);
    colour.Update(40);
    EXPECT_TRUE(log.draws.empty());
    EXPECT_TRUE(log.events.empty());
    EXPECT_NE(target.GetPixel(1, 3), 0u);
}

TEST_F(TransitionRoad, ARunningTransitionCountsForAnyAndTheEffectSelector) {
    CImageNode image(0, 0, 0, "Road/plain.bmp", kPictureDrawNormal);
    image.Reset();
    CColorNode colour(0, 0, 0, 10, 10, 0, kColorBlendNormal);
    for (CNode* node : {static_cast<CNode*>(&image), static_cast<CNode*>(&colour)}) {
        EXPECT_FALSE(node->IsAnimating(kAnimatorAny));
        Attach(*node);
        log.running = true;
        for (AnimatorSelector which : {kAnimatorAny, kAnimatorScript}) {
            EXPECT_TRUE(node->IsAnimating(which));
            EXPECT_EQ(node->GetAnimationTimeLeft(which), 300u);
        }
        EXPECT_FALSE(node->IsAnimating(kAnimatorPosition));
        EXPECT_EQ(node->GetAnimationTimeLeft(kAnimatorOpacity), 0u);
        log.running = false;
        EXPECT_FALSE(node->IsAnimating(kAnimatorScript));
    }
}

TEST_F(TransitionRoad, AReplacedOrClearedTransitionIsStoppedAndDeleted) {
    CImageNode node(0, 0, 0, "Road/plain.bmp", kPictureDrawNormal);
    node.Reset();
    CRecordingTransition command(log);
    node.ApplyCommand(&command);
    EXPECT_EQ(log.events, (std::vector<std::string>{"start"}));
    EXPECT_TRUE(node.GetDirtyFlag());
    node.ApplyCommand(&command);
    EXPECT_EQ(log.events, (std::vector<std::string>{"start", "stop", "delete", "start"}));
    log.events.clear();
    node.Clear();
    EXPECT_EQ(log.events, (std::vector<std::string>{"stop", "delete"}));
    log.events.clear();

    auto colour = std::make_unique<CColorNode>(0, 0, 0, 10, 10, 0, kColorBlendNormal);
    Attach(*colour);
    colour.reset();
    EXPECT_EQ(log.events, (std::vector<std::string>{"stop", "delete"}));
}

TEST_F(TransitionRoad, OpaqueOnlyWhileTheTransitionShowsThePictureUntouched) {
    CImageNode image(0, 0, 0, "Road/plain.bmp", kPictureDrawNormal);
    image.Reset();
    CColorNode colour(0, 0, 0, 10, 10, 0xFFFFFF, kColorBlendNormal);
    CColorNode white(0, 0, 0, 10, 10, 0xFFFFFF, kColorBlendAdd);
    for (CNode* node : {static_cast<CNode*>(&image), static_cast<CNode*>(&colour),
                        static_cast<CNode*>(&white)}) {
        Attach(*node);
        log.fullyShown = false;
        EXPECT_FALSE(node->IsOpaque(kIdentity));
        log.fullyShown = true;
        EXPECT_EQ(node->IsOpaque(kIdentity), node != &white);
    }
}

TEST_F(TransitionRoad, TheRectangleHoldsTheTransitionsBounds) {
    CImageNode image(10, 20, 0, "Road/plain.bmp", kPictureDrawNormal);
    image.Reset();
    CScreenTransition circle(1000, "CircleCenter", 0, 1000, nullptr);
    image.ApplyCommand(&circle);
    image.Update(100);
    RECT local;
    image.GetLocalRect(&local);
    RECT bounds;
    circle.GetSurfaceBounds(&bounds, &image.GetPlacement(), image.GetSurface());
    const RECT own = {10, 20, 34, 36};
    EXPECT_TRUE(SameRect(local, UniteRects(own, bounds)));
}

// LinearDown at level L over a picture 255 rows high shows its rows L..254.
TEST_F(TransitionRoad, ALinearDownWipeOverAnImageNode) {
    const bool useEffect = GetConfig().IsUseEffect();
    GetConfig().SetUseEffect(true);
    CImageNode node(10, 20, 0, "Road/tall.bmp", kPictureDrawNormal);
    node.Reset();
    CScreenTransition wipe(1000, "LinearDown", 0, 1000, nullptr);
    node.ApplyCommand(&wipe);
    node.Update(500);
    CMemorySurface target;
    ASSERT_EQ(target.Create(64, 300), 0);
    node.DrawSelf(target, kIdentity, nullptr);
    const CMemorySurface& picture = *node.GetSurface();
    for (int row = 0; row < 255; row += 3) {
        for (int column : {0, 17, 39}) {
            const Color32 expected = row >= 127 ? picture.GetPixel(column, row) : 0u;
            ASSERT_EQ(target.GetPixel(10 + column, 20 + row), expected) << column << ", " << row;
        }
    }
    GetConfig().SetUseEffect(useEffect);
    MSG message;
    while (PeekMessageA(&message, nullptr, kSettingChangedMessage, kSettingChangedMessage,
                        PM_REMOVE)) {
    }
}

}  // namespace
