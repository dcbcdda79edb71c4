// The balloon node in a scene: what attach builds, the picture it draws
// under its animated placement, the requests and states of its clocks as the
// node applies them, hit tests, the exit timeline, and a held transition.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "../../scene/pixel_checks.h"
#include "../../scene/redraw_fixture.h"
#include "graphics/draw_image.h"
#include "graphics/rectangle_fill.h"
#include "support/error_recorder.h"
#include "support/redraw_oracle.h"
#include "text/balloon/balloon_node.h"
#include "text/balloon/balloon_painting.h"
#include "text/balloon/balloon_shape.h"
#include "transitions/screen_transition.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);
constexpr Color32 kFill = 0xFF4080C0;
constexpr Color32 kEdge = 0xFF000000;
constexpr Color32 kBack = 0xFF204060;

std::unique_ptr<CBalloonNode> MakeBalloon(int width, int height, const std::string& text = "",
                                          int shape = kShapeRectangle, int style = kStyleVivide,
                                          int textSize = 16) {
    return std::make_unique<CBalloonNode>(0, 0, 0, width, height, shape, true, 0, text, 0, textSize, kTypeNormal,
                                          100, 200, style, kFill, kEdge);
}

TEST(BalloonNodeConstructor, ChecksTheTextFirstThenSizesAndTextSize) {
    InstallErrorRecorder();
    const struct {
        int width, height, textSize;
        int module, place;
    } kCases[] = {
        // The text prototype's own checks come first.
        {-1, 60, 16, kModuleTextNode, 68},
        {60, -1, 16, kModuleTextNode, 69},
        {31, 60, 16, kModuleBalloon, 33},
        {60, 31, 16, kModuleBalloon, 34},
        {31, 31, 0, kModuleBalloon, 33},
        {60, 60, 0, kModuleBalloon, 35},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        ClearRecordedErrors();
        EXPECT_THROW(MakeBalloon(c.width, c.height, "", kShapeRectangle, kStyleVivide, c.textSize), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
        EXPECT_EQ(RecordedErrors()[0].module, c.module);
        EXPECT_EQ(RecordedErrors()[0].place, c.place);
    }
    ClearRecordedErrors();
    EXPECT_NO_THROW(MakeBalloon(32, 32));
    EXPECT_TRUE(RecordedErrors().empty());
}

TEST(BalloonNodeConstructor, CopyKeepsTheConfigurationOnly) {
    CSceneNode root(0, 0, 0);
    auto balloon = MakeBalloon(120, 80, "x", kShapeEllipse, kStyleShadow);
    balloon->SetBaseDirectory("C:\\game\\");
    std::unique_ptr<CBalloonNode> copy(static_cast<CBalloonNode*>(balloon->Clone()));
    EXPECT_EQ(copy->GetShapeCode(), kShapeEllipse);
    EXPECT_EQ(copy->GetEdgeStyle(), kStyleShadow);
    EXPECT_EQ(copy->GetFillColour(), kFill);
    EXPECT_EQ(copy->GetEdgeColour(), kEdge);
    EXPECT_TRUE(copy->GetTailSwitch());
    EXPECT_EQ(copy->GetTextPrototype().GetText(), "x");
    EXPECT_EQ(copy->GetTextPrototype().GetBaseDirectory(), "C:\\game\\");
    EXPECT_EQ(copy->GetRegions(), nullptr);
    EXPECT_EQ(copy->GetTextNode(), nullptr);
    int w = 0, h = 0;
    copy->GetSize(&w, &h);
    EXPECT_EQ(w, 120);
    EXPECT_EQ(h, 80);
    EXPECT_EQ(copy->GetNodeKind(), kNodeKindBalloon);
}

class BalloonScene : public RedrawFixture {
protected:
    CBalloonNode& AddBalloon(int x, int y, const std::string& text = "", int shape = kShapeRectangle,
                             int style = kStyleVivide, int width = 200, int height = 120) {
        auto prototype = MakeBalloon(width, height, text, shape, style);
        auto* clone = static_cast<CBalloonNode*>(prototype->Clone());
        clone->SetPosition(x, y);
        return Add(root, "B", clone);
    }
    void Step(int ms) {
        root.Update(ms);
        root.UpdateTransform(kIdentity);
    }
    // The balloon's picture drawn plainly at the placement.
    testing::AssertionResult ShowsPicture(const CBalloonNode& balloon, const CTransform2D& placement,
                                          Color32 background = 0) {
        CMemorySurface expected;
        if (expected.Create(800, 600) != 0) return testing::AssertionFailure() << "no surface";
        FillSurfaceFast(expected, background);
        DrawImageNormal(expected, balloon.GetPicture(), placement, true, nullptr, nullptr);
        return SamePixels(target, expected);
    }
};

// Attach builds the regions and paints the picture exactly as the shape
// and painting routines do; the text child is cloned, erased and centred.
// A second attach rebuilds instead of failing on the taken name.
TEST_F(BalloonScene, AttachBuildsTextRegionsAndPicture) {
    CBalloonNode& balloon = AddBalloon(40, 30, "<FONT size='20'>ab</FONT>", kShapeEllipse, kStyleFade);
    for (int attach = 0; attach < 2; ++attach) {
        SCOPED_TRACE(attach);
        if (attach == 1) balloon.Reset();
        EXPECT_EQ(balloon.GetMotion().State(), kBalloonTapIn);
        ASSERT_NE(balloon.GetRegions(), nullptr);
        const BalloonShapeRegions expectedRegions =
            BuildShapeRegion(BalloonShapeInput{kShapeEllipse, 200, 120, true, 0});
        EXPECT_TRUE(EqualRgn(balloon.GetRegions()->hit.Get(), expectedRegions.hit.Get()));
        EXPECT_TRUE(EqualRgn(balloon.GetRegions()->paint.Get(), expectedRegions.paint.Get()));

        CMemorySurface picture;
        ASSERT_EQ(picture.Create(200, 120), 0);
        BalloonPaintInput paint;
        paint.shape = kShapeEllipse;
        paint.style = kStyleFade;
        paint.fill = kFill;
        paint.edge = kEdge;
        paint.paint = &expectedRegions.paint;
        paint.hit = &expectedRegions.hit;
        PaintBalloonShape(picture, paint);
        EXPECT_TRUE(SamePixels(balloon.GetPicture(), picture));

        CTextNode* text = balloon.GetTextNode();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->GetDisplayMode(), kTextErase);
        EXPECT_EQ(text->GetBoxWidth(), expectedRegions.textWidth);
        EXPECT_EQ(text->GetBoxHeight(), expectedRegions.textHeight);
        int tw = 0, th = 0;
        text->GetSize(&tw, &th);
        EXPECT_GT(tw, 0);
        EXPECT_EQ(text->GetPlacement().x, 100 - tw / 2);
        EXPECT_EQ(text->GetPlacement().y, 60 - th / 2);
    }
    EXPECT_EQ(balloon.GetChildren().size(), 1u);
}

TEST_F(BalloonScene, UnknownShapeEndsTheGameAtAttach) {
    InstallErrorRecorder();
    ClearRecordedErrors();
    EXPECT_THROW(AddBalloon(0, 0, "", 0), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].module, kModuleBalloon);
    EXPECT_EQ(RecordedErrors()[0].place, 811);
}

// Every frame of the pop-in and the exits redraws the same pixels as a
// full redraw; once shown the picture sits at the placement unchanged.
TEST_F(BalloonScene, FramesMatchAFullRedrawThroughPopInAndExit) {
    AddRect(root, "Back", 0, 0, -1, 800, 600, kBack, true);
    CBalloonNode& balloon = AddBalloon(100, 80);
    for (int i = 0; i < 8; ++i) {
        Step(50);
        Frame();
        EXPECT_TRUE(MatchesFullRedraw(root, target)) << i;
    }
    EXPECT_EQ(balloon.GetMotion().State(), kBalloonShown);
    EXPECT_TRUE(ShowsPicture(balloon, CTransform2D(100, 80, 1, 1, 1, 0), kBack));

    for (const char* request : {"Soft", "Drop"}) balloon.ReceiveMessage(request);
    for (int i = 0; i < 6; ++i) {
        Step(90);
        Frame();
        EXPECT_TRUE(MatchesFullRedraw(root, target)) << i;
    }
}

// A point (px, py) of the balloon lands at
// (x + w/2 + A (px - w/2), y + h/2 + B (py + dy - h/2)).
TEST_F(BalloonScene, AnimatedPlacementZoomsAboutTheCentreAndShiftsDown) {
    CBalloonNode& balloon = AddBalloon(100, 80);
    const struct {
        const char* request;
        int ms;
    } kCases[] = {
        {"TapEnter", 100}, {"ExpandEnter", 250}, {"BoundEnter", 350}, {"ShockEnter", 100},
        {"Drop", 250},     {"Drop", 500},        {"Exit", 250},      {"Vanish", 1200},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.request) + " " + std::to_string(c.ms));
        balloon.ReceiveMessage(c.request);
        Step(c.ms);
        const BalloonPlacement p = balloon.GetMotion().Placement(200, 120);
        CTransform2D t(0, 0, 1, 1, 1, 0);
        balloon.GetTransform(&t);
        double px = 10, py = 20;
        const double ex = 100 + 100 + p.zoomX * (px - 100);
        const double ey = 80 + 60 + p.zoomY * (py + p.dy - 60);
        CTransform2D inverse = t;
        double qx = ex, qy = ey;
        inverse.InverseMapPoint(qx, qy);
        EXPECT_NEAR(qx, px, 1e-9);
        EXPECT_NEAR(qy, py, 1e-9);
        EXPECT_DOUBLE_EQ(t.opacity, p.opacity);
        EXPECT_DOUBLE_EQ(t.zoomX, p.zoomX);
    }
    // "Drop" moves 100 pixels down while fading out.
    balloon.ReceiveMessage("Drop");
    Step(500);
    CTransform2D t(0, 0, 1, 1, 1, 0);
    balloon.GetTransform(&t);
    EXPECT_DOUBLE_EQ(t.x, 100);
    EXPECT_DOUBLE_EQ(t.y, 180);
    EXPECT_DOUBLE_EQ(t.opacity, 0);
}

// Hit only once shown, inside the hit region; never after "Exit"; "Erase"
// hides the balloon but keeps it in the tree.
TEST_F(BalloonScene, HitTestsFollowTheStates) {
    CBalloonNode& balloon = AddBalloon(100, 80);
    auto hits = [&](double x, double y) { return balloon.HitTestSelf(x, y, kIdentity); };
    EXPECT_FALSE(hits(200, 140));
    Step(299);
    EXPECT_FALSE(hits(200, 140));
    Step(1);
    EXPECT_TRUE(hits(200, 140));
    // The Rectangle's hit region at 200 x 120 is (16, 16)-(184, 104).
    EXPECT_TRUE(hits(100 + 16, 80 + 16));
    EXPECT_FALSE(hits(100 + 15, 80 + 16));
    EXPECT_FALSE(hits(100 + 184, 80 + 50));
    balloon.SetHitEnabled(false);
    EXPECT_FALSE(hits(200, 140));
    balloon.SetHitEnabled(true);

    balloon.ReceiveMessage("Erase");
    EXPECT_FALSE(hits(200, 140));
    EXPECT_FALSE(balloon.IsVisible(kIdentity));
    Frame();
    EXPECT_TRUE(ShowsPicture(balloon, CTransform2D(0, 0, 0, 1, 1, 0)));
    Step(5000);
    EXPECT_EQ(root.FindNode("B"), &balloon);
    balloon.ReceiveMessage("Show");
    EXPECT_TRUE(hits(200, 140));
    EXPECT_EQ(balloon.GetTextNode()->GetDisplayMode(), kTextTypeOut);

    balloon.ReceiveMessage("Exit");
    for (int t = 0; t < 500; t += 100) {
        EXPECT_FALSE(hits(200, 140)) << t;
        Step(100);
    }
}

// "Exit": the opacity reaches 0 at 500 ms; past 500 ms the state ends and the
// next update removes the balloon; the text is never erased.
TEST_F(BalloonScene, ExitFadesThenLeavesTheParent) {
    CBalloonNode& balloon = AddBalloon(0, 0, "ab");
    Step(400);
    EXPECT_EQ(balloon.GetTextNode()->GetDisplayMode(), kTextTyping);
    balloon.ReceiveMessage("Exit");
    const int mode = balloon.GetTextNode()->GetDisplayMode();
    EXPECT_NE(mode, kTextErase);
    CTransform2D t(0, 0, 1, 1, 1, 0);
    Step(250);
    EXPECT_DOUBLE_EQ(balloon.GetTransform(&t)->opacity, 0.5);
    Step(250);
    EXPECT_DOUBLE_EQ(balloon.GetTransform(&t)->opacity, 0);
    EXPECT_FALSE(balloon.IsVisible(kIdentity));
    EXPECT_EQ(balloon.GetMotion().State(), kBalloonFadeOut);
    Step(1);
    EXPECT_EQ(balloon.GetMotion().State(), kBalloonGone);
    EXPECT_EQ(root.FindNode("B"), &balloon);
    EXPECT_NE(balloon.GetTextNode()->GetDisplayMode(), kTextErase);
    Step(1);
    EXPECT_EQ(root.FindNode("B"), nullptr);
    Frame();
}

// Waiting: the pop-ins count for "any" and the effect selector; the exits
// do not.
TEST_F(BalloonScene, AnimationTimeLeftOfThePopIns) {
    CBalloonNode& balloon = AddBalloon(0, 0);
    EXPECT_TRUE(balloon.IsAnimating(kAnimatorAny));
    EXPECT_EQ(balloon.GetAnimationTimeLeft(kAnimatorAny), 300u);
    Step(120);
    EXPECT_EQ(balloon.GetAnimationTimeLeft(kAnimatorScript), 180u);
    EXPECT_FALSE(balloon.IsAnimating(kAnimatorOpacity));
    balloon.ReceiveMessage("BoundEnter");
    Step(100);
    EXPECT_EQ(balloon.GetAnimationTimeLeft(kAnimatorAny), 400u);
    Step(400);
    // The text child starts typing at the end of the pop-in; with no text it
    // ends at its next update.
    Step(1);
    EXPECT_FALSE(balloon.IsAnimating(kAnimatorAny));
    balloon.ReceiveMessage("Exit");
    EXPECT_FALSE(balloon.IsAnimating(kAnimatorAny));
    EXPECT_EQ(balloon.GetAnimationTimeLeft(kAnimatorAny), 0u);
}

// A held transition draws the picture with code 101 at full opacity and 103
// below; a zoomed balloon ignores it in drawing and waiting.
TEST_F(BalloonScene, TransitionDrawsTheUntransformedBalloon) {
    for (double opacity : {1.0, 0.6}) {
        SCOPED_TRACE(opacity);
        root.RemoveAt("B");
        Frame();
        CBalloonNode& balloon = AddBalloon(30, 20);
        Step(300);
        balloon.SetOpacity(opacity);
        CScreenTransition command{300, "LinearDown", 0, 1000, nullptr};
        balloon.ApplyCommand(&command);
        ASSERT_NE(balloon.GetTransition(), nullptr);
        EXPECT_EQ(balloon.GetAnimationTimeLeft(kAnimatorAny), 300u);
        Step(120);
        EXPECT_TRUE(balloon.IsAnimating(kAnimatorAny));

        CMemorySurface drawn;
        ASSERT_EQ(drawn.Create(300, 200), 0);
        balloon.DrawSelf(drawn, kIdentity, nullptr);
        std::unique_ptr<CScreenTransition> replay(balloon.GetTransition()->Clone());
        CMemorySurface expected;
        ASSERT_EQ(expected.Create(300, 200), 0);
        const CTransform2D placement(30, 20, opacity, 1, 1, 0);
        replay->Draw(&expected, &placement, static_cast<uint32_t>(opacity * 255), &balloon.GetPicture(), nullptr,
                     nullptr, opacity < 1 ? 103 : 101);
        EXPECT_TRUE(SamePixels(drawn, expected));
        CMemorySurface plain;
        ASSERT_EQ(plain.Create(300, 200), 0);
        DrawImageNormal(plain, balloon.GetPicture(), placement, true, nullptr, nullptr);
        EXPECT_FALSE(SamePixels(drawn, plain));

        // Zoomed by the focus: drawn plainly, not waited for.
        balloon.ReceiveMessage("SetFocus");
        EXPECT_FALSE(balloon.IsAnimating(kAnimatorAny));
        EXPECT_EQ(balloon.GetAnimationTimeLeft(kAnimatorAny), 0u);
        CMemorySurface zoomed, zoomedExpected;
        ASSERT_EQ(zoomed.Create(300, 200), 0);
        ASSERT_EQ(zoomedExpected.Create(300, 200), 0);
        balloon.DrawSelf(zoomed, kIdentity, nullptr);
        CTransform2D t(0, 0, 1, 1, 1, 0);
        DrawImageNormal(zoomedExpected, balloon.GetPicture(), *balloon.GetTransform(&t), true, nullptr, nullptr);
        EXPECT_TRUE(SamePixels(zoomed, zoomedExpected));
    }
}

// The focus sequence, worked from the zoom and floating formulas: a
// "SetFocus" from focus timer 0 zooms to 1.5 at once; "KillFocus" falls back
// from 1.5, and a "SetFocus" 100 ms into that continues from the same zoom.
TEST_F(BalloonScene, FocusZoomReversesMidWay) {
    const double pi = 3.141592653589793;
    CBalloonNode& balloon = AddBalloon(0, 0);
    Step(300);
    CTransform2D t(0, 0, 1, 1, 1, 0);
    auto zoom = [&] { return balloon.GetTransform(&t)->zoomX; };
    balloon.ReceiveMessage("SetFocus");
    EXPECT_DOUBLE_EQ(zoom(), 1.5);
    balloon.ReceiveMessage("#Lock");
    EXPECT_DOUBLE_EQ(zoom(), 1.5);
    Step(100);  // float timer 100: amplitude 0.1
    EXPECT_NEAR(zoom(), (1 + 0.025 * 0.1 * std::sin(2 * pi * 0.1)) * 1.5, 1e-12);
    balloon.ReceiveMessage("KillFocus");
    EXPECT_EQ(balloon.GetMotion().FocusTimer(), 0);
    Step(100);  // focus timer 100, float timer 200
    const double f = 1 + 0.5 * std::cos(0.2 * pi);
    const double breathing = 1 + 0.025 * 0.2 * std::sin(2 * pi * 0.2);
    EXPECT_NEAR(zoom(), breathing * f, 1e-12);
    balloon.ReceiveMessage("SetFocus");
    EXPECT_EQ(balloon.GetMotion().FocusTimer(), 150);
    EXPECT_NEAR(zoom(), breathing * f, 1e-12);
    Step(100);
    EXPECT_NEAR(zoom(), (1 + 0.025 * 0.3 * std::sin(2 * pi * 0.3)) * 1.5, 1e-12);
}

}  // namespace
