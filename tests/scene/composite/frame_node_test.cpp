// Frames: the window and the outline built over the picture, content
// clipped to the picture, the border's own children reachable by path.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../pixel_checks.h"
#include "../recording_transition.h"
#include "../redraw_fixture.h"
#include "../test_pictures.h"
#include "graphics/draw_image.h"
#include "scene/color_node.h"
#include "scene/composite/frame_node.h"
#include "scene/composite/outline_node.h"
#include "scene/composite/outline_style.h"
#include "scene/window_node.h"
#include "support/error_recorder.h"
#include "support/redraw_oracle.h"

namespace {

constexpr Color32 kCanvas = 0x102030;

class CFramePeek : public CFrameNode {
public:
    using CFrameNode::CFrameNode;
    std::vector<std::string> Order() const {
        std::vector<std::string> names;
        for (CNode* child : ChildrenInDrawingOrder()) names.push_back(GetChildName(child));
        return names;
    }
};

class Frames : public RedrawFixture {
protected:
    void SetUp() override {
        folder.Pack("Frame", {{"picture.bmp", BmpPictureFile(320, 240, PatternPixel)}});
        Add(root, "Canvas", new CColorNode(0, 0, -1, 800, 600, kCanvas, kColorBlendNormal));
        ClearRecordedErrors();
    }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    CFramePeek& AddFrame(int style, Color32 colour, int thickness, int x = 100, int y = 50) {
        return Add(root, "Frame", new CFramePeek(x, y, 0, "Frame/picture.bmp", style, colour, thickness));
    }

    CPictureFolder folder;
};

TEST_F(Frames, AWindowAndAnOutlineLieOverThePicture) {
    CFramePeek& frame = AddFrame(kOutlineRound, 0xFF00FF00, 6);
    EXPECT_EQ(frame.GetNodeKind(), 3001);
    EXPECT_EQ(frame.Order(), (std::vector<std::string>{"Window", "Outline"}));
    CNode* window = frame.FindNode("Window");
    CNode* outline = frame.FindNode("Outline");
    ASSERT_TRUE(window && outline);
    ASSERT_EQ(window->GetNodeKind(), kNodeKindWindow);
    ASSERT_EQ(outline->GetNodeKind(), kNodeKindOutline);
    for (CNode* child : {window, outline}) {
        double x = -1, y = -1;
        child->GetPosition(&x, &y);
        EXPECT_EQ(x * 1000 + y, 0);
        EXPECT_EQ(child->GetZ(), 0);
    }
    int width = 0, height = 0;
    window->GetSize(&width, &height);
    EXPECT_EQ(width * 1000 + height, 320 * 1000 + 240);
    EXPECT_TRUE(static_cast<CWindowNode*>(window)->ChildrenFollow());
    const auto& border = static_cast<const COutlineNode&>(*outline);
    EXPECT_EQ(std::vector<int>({border.GetWidth(), border.GetHeight(), border.GetStyle(), border.GetThickness()}),
              std::vector<int>({320, 240, kOutlineRound, 6}));
    EXPECT_EQ(border.GetColor(), 0xFF00FF00u);
    // The border's own children are built and reachable through the frame.
    EXPECT_TRUE(root.HasNodeAt("Frame/Outline/Up"));
    EXPECT_EQ(outline->GetChildren().size(), 4u);
}

TEST_F(Frames, ContentUnderTheWindowIsClippedToThePicture) {
    CFramePeek& frame = AddFrame(kOutlineFade, 0x00FFFFFF, 8);
    EXPECT_TRUE(frame.FindNode("Outline")->GetChildren().empty());
    CColorNode& content =
        Add(*frame.FindNode("Window"), "Content", new CColorNode(300, 200, 0, 100, 100, 0xFF0000, kColorBlendNormal));
    Frame();
    CMemorySurface expected;
    ASSERT_EQ(expected.Create(800, 600), 0);
    const RECT all = {0, 0, 800, 600};
    expected.Fill(kCanvas, &all);
    DrawImageNormal(expected, *frame.GetSurface(), CTransform2D(100, 50, 1, 1, 1, 0), false, nullptr, nullptr);
    const RECT shown = {400, 250, 420, 290};  // the content's top-left 20 x 40
    expected.Fill(0xFF0000, &shown);
    EXPECT_TRUE(SamePixels(target, expected));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
    // Content moving inside the window and the frame moving with it.
    for (int step = 1; step <= 3; ++step) {
        content.SetPosition(300 - 70.5 * step, 200 - 45.25 * step);
        frame.SetPosition(100 + 11 * step, 50 + 7 * step);
        root.Update(17);
        Frame();
        EXPECT_TRUE(MatchesFullRedraw(root, target)) << step;
    }
}

TEST_F(Frames, ATransitionReachesTheBordersBandByPath) {
    CFramePeek& frame = AddFrame(kOutlineFade, 0xFFFFFFFF, 8);
    Frame();
    TransitionLog log;
    CRecordingTransition transition(log);
    root.ApplyCommandAt("Frame/Outline/Up", &transition);
    ASSERT_FALSE(log.events.empty());
    EXPECT_EQ(log.events.front(), "start");
    EXPECT_TRUE(root.IsAnimatingAt("Frame/Outline/Up", kAnimatorAny));
    EXPECT_FALSE(root.IsAnimatingAt("Frame/Outline/Left", kAnimatorAny));
    root.Update(17);
    frame.FindNode("Outline/Up")->InvalidateAll();
    Frame();
    ASSERT_FALSE(log.draws.empty());
    EXPECT_EQ(log.draws.back().picture, static_cast<CImageNode*>(frame.FindNode("Outline/Up"))->GetSurface());
    // The transition logs into this test's log until it is deleted.
    root.RemoveAt("Frame");
    root.PurgeRemoved();
    EXPECT_EQ(log.events.back(), "delete");
}

TEST_F(Frames, AnUnknownStyleFailsWhenTheFrameIsAttached) {
    CFrameNode prototype(0, 0, 0, "Frame/picture.bmp", kOutlineUnknown, 0x80FFFFFF, 8);
    EXPECT_TRUE(prototype.GetChildren().empty());
    CNode* clone = prototype.Clone();
    ASSERT_TRUE(root.AddChild("Bad", clone));
    EXPECT_THROW(clone->Reset(), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 1u);
    EXPECT_EQ(RecordedErrors()[0].module, 2020);
    EXPECT_EQ(RecordedErrors()[0].place, 64);
    ClearRecordedErrors();
}

TEST_F(Frames, APrototypeStaysEmptyAndEachCloneBuildsItsOwn) {
    CFrameNode prototype(0, 0, 3, "Frame/picture.bmp", kOutlineEmboss, 0xFF000000, 4);
    CNode* clone = prototype.Clone();
    ASSERT_TRUE(root.AddChild("Copy", clone));
    clone->Reset();
    EXPECT_EQ(clone->GetNodeKind(), 3001);
    EXPECT_EQ(clone->GetZ(), 3);
    const auto& frame = static_cast<const CFrameNode&>(*clone);
    EXPECT_EQ(frame.GetFile(), "Frame/picture.bmp");
    EXPECT_EQ(std::vector<int>({frame.GetStyle(), frame.GetThickness()}), std::vector<int>({kOutlineEmboss, 4}));
    EXPECT_EQ(frame.GetColor(), 0xFF000000u);
    EXPECT_EQ(clone->GetChildren().size(), 2u);
    EXPECT_EQ(clone->FindNode("Outline")->GetChildren().size(), 4u);
    EXPECT_TRUE(prototype.GetChildren().empty());
}

}  // namespace
