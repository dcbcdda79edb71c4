// Masks: children composed off screen and shown through the mask's blue
// byte, carried with the mask or left in place under it, redrawn after
// changes and removals, and handed to a transition.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../pixel_checks.h"
#include "../recording_transition.h"
#include "../redraw_fixture.h"
#include "../test_pictures.h"
#include "graphics/draw_image.h"
#include "scene/color_node.h"
#include "scene/composite/mask_node.h"
#include "support/error_recorder.h"
#include "support/redraw_oracle.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// White on the left half, black on the right, a grey column (blue 0x80) at
// x = 25.
Color32 HalfMaskPixel(int x, int) {
    if (x == 25) return 0x00404080;
    return x < 50 ? 0x00FFFFFF : 0;
}

class MaskNodes : public RedrawFixture {
protected:
    void SetUp() override {
        folder.Pack("Mask", {{"half.bmp", BmpPictureFile(100, 50, HalfMaskPixel)},
                             {"white.bmp", BmpPictureFile(100, 50, [](int, int) { return 0x00FFFFFF; })}});
        Add(root, "Canvas", new CColorNode(0, 0, -1, 800, 600, 0x000010, kColorBlendNormal));
        ClearRecordedErrors();
    }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    CMaskNode& AddMask(const char* file, bool follow, int x, int y) {
        return Add(root, "Mask", new CMaskNode(x, y, 1, file, follow));
    }
    // What the mask should show: the child's colour over the rectangle,
    // weighted per pixel by the mask's blue byte, drawn by hand at (x, y)
    // over the canvas colour.
    testing::AssertionResult Shows(int x, int y, const std::function<Color32(int, int)>& child,
                                   const std::function<Color32(int, int)>& mask) {
        CMemorySurface expected, work;
        if (expected.Create(800, 600) != 0 || work.Create(100, 50) != 0) return testing::AssertionFailure();
        for (int i = 0; i < 800 * 600; ++i) expected.GetPixels()[i] = 0x000010;
        for (int v = 0; v < 50; ++v) {
            for (int u = 0; u < 100; ++u) work.GetPixels()[v * 100 + u] = (child(u, v) & 0xFFFFFF) | (mask(u, v) & 0xFF) << 24;
        }
        work.SetHasAlpha(true);
        DrawImageNormal(expected, work, CTransform2D(x, y, 1, 1, 1, 0), true, nullptr, nullptr);
        return SamePixels(target, expected);
    }

    CPictureFolder folder;
};

TEST_F(MaskNodes, TheMasksBlueByteIsTheChildsAlpha) {
    CMaskNode& mask = AddMask("Mask/half.bmp", true, 200, 100);
    Add(mask, "Red", new CColorNode(0, 0, 0, 100, 50, 0xFF0000, kColorBlendNormal));
    Frame();
    EXPECT_TRUE(Shows(200, 100, [](int, int) { return 0xFF0000; }, HalfMaskPixel));
    EXPECT_EQ(target.GetPixel(210, 110) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(target.GetPixel(260, 110) & 0xFFFFFF, 0x000010u);
    EXPECT_TRUE(MatchesFullRedraw(root, target));
    int width = 0, height = 0;
    mask.GetSize(&width, &height);
    EXPECT_EQ(width * 1000 + height, 100 * 1000 + 50);
}

TEST_F(MaskNodes, AMaskWhoseChildrenStayMovesOverThem) {
    CMaskNode& mask = AddMask("Mask/white.bmp", false, 200, 100);
    // A child in the parent's space, 150..450 x 80..280, larger than the mask.
    Add(mask, "Wide", new CColorNode(150, 80, 0, 300, 200, 0x00FF00, kColorBlendNormal));
    auto white = [](int, int) { return 0xFF; };
    Frame();
    EXPECT_TRUE(Shows(200, 100, [](int, int) { return 0x00FF00; }, white));
    mask.SetPosition(260, 150);
    root.Update(17);
    Frame();
    EXPECT_TRUE(Shows(260, 150, [](int, int) { return 0x00FF00; }, white));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
    // Past the child's right edge the mask's white shows black: no child
    // draws there.
    mask.SetPosition(400, 150);
    root.Update(17);
    Frame();
    EXPECT_TRUE(Shows(400, 150, [](int u, int) { return u < 50 ? 0x00FF00 : 0; }, white));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
}

TEST_F(MaskNodes, NoPixelOfAnEarlierCompositionSurvivesAChildsMove) {
    CMaskNode& mask = AddMask("Mask/white.bmp", true, 100, 100);
    CColorNode& red = Add(mask, "Red", new CColorNode(0, 0, 0, 20, 20, 0xFF0000, kColorBlendNormal));
    Frame();
    red.SetPosition(50, 10);
    root.Update(17);
    Frame();
    auto child = [](int u, int v) { return u >= 50 && u < 70 && v >= 10 && v < 30 ? 0xFF0000 : 0; };
    EXPECT_TRUE(Shows(100, 100, child, [](int, int) { return 0xFF; }));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
}

TEST_F(MaskNodes, ANodeMovedBelowAChildIsComposedAgain) {
    // A picture held by a group, as a class node holds its own: only the
    // picture changes, and the mask still shows it where it went.
    CMaskNode& mask = AddMask("Mask/white.bmp", true, 100, 100);
    CSceneNode& group = Add(mask, "Group", new CSceneNode(0, 0, 0));
    CColorNode& red = Add(group, "Red", new CColorNode(0, 0, 0, 20, 20, 0xFF0000, kColorBlendNormal));
    Frame();
    red.SetPosition(50, 10);
    root.Update(17);
    Frame();
    auto child = [](int u, int v) { return u >= 50 && u < 70 && v >= 10 && v < 30 ? 0xFF0000 : 0; };
    EXPECT_TRUE(Shows(100, 100, child, [](int, int) { return 0xFF; }));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
}

TEST_F(MaskNodes, ARemovedChildIsRedrawnOnlyInsideTheMask) {
    CMaskNode& mask = AddMask("Mask/white.bmp", false, 100, 100);
    // Half of it lies left of the mask.
    Add(mask, "Red", new CColorNode(40, 110, 0, 100, 20, 0xFF0000, kColorBlendNormal));
    Frame();
    mask.RemoveAt("Red");
    std::vector<RECT> redrawn = Frame();
    ASSERT_FALSE(redrawn.empty());
    for (const RECT& r : redrawn) {
        EXPECT_GE(r.left, 96) << RectText(r);  // the mask's cells, from x = 100 down to the 8-pixel grid
    }
    EXPECT_TRUE(Shows(100, 100, [](int, int) { return 0; }, [](int, int) { return 0xFF; }));
}

TEST_F(MaskNodes, TheTransitionRoadDrawsTheWorkPictureWithItsAlpha) {
    CMaskNode& mask = AddMask("Mask/half.bmp", true, 10, 20);
    Add(mask, "Red", new CColorNode(0, 0, 0, 100, 50, 0xFF0000, kColorBlendNormal));
    TransitionLog log;
    CRecordingTransition transition(log);
    mask.ApplyCommand(&transition);
    Frame();
    ASSERT_FALSE(log.draws.empty());
    EXPECT_EQ(log.draws.back().code, 101);
    EXPECT_EQ(log.draws.back().extra, 255u);
    EXPECT_EQ(log.draws.back().picture, &mask.GetWorkPicture());
    EXPECT_TRUE(mask.GetWorkPicture().HasAlpha());
    log.draws.clear();
    mask.SetOpacity(0.5);
    Frame();
    ASSERT_FALSE(log.draws.empty());
    EXPECT_EQ(log.draws.back().code, 103);
    EXPECT_EQ(log.draws.back().extra, 127u);
    // The transition runs and is waited on whatever the placement.
    mask.SetZoom(2, 2);
    log.events.clear();
    root.Update(20);
    EXPECT_EQ(log.events, std::vector<std::string>{"update 20"});
    EXPECT_TRUE(mask.IsAnimating(kAnimatorScript));
    // The clone logs into this test's log: it goes while the log lives.
    mask.Clear();
    EXPECT_EQ(log.events.back(), "delete");
}

TEST(MaskNodeErrors, AMissingMaskPictureIsAGraphicError) {
    ClearRecordedErrors();
    CSceneNode root(0, 0, 0);
    auto* mask = new CMaskNode(0, 0, 0, "Nowhere/none.bmp", true);
    root.AddChild("Mask", mask);
    EXPECT_THROW(mask->Reset(), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Graphic);
    EXPECT_EQ(RecordedErrors()[0].module, kModuleHitLineMaskNode);
    EXPECT_EQ(RecordedErrors()[0].place, 46);
    ClearRecordedErrors();
}

}  // namespace
