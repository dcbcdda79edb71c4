// Every drawing kind under a turned or unevenly zoomed group: the area a
// child reports holds every pixel it paints under the composed placement,
// also the pixel a turned corner lands on at the right or bottom edge of the
// bounding box. The group moves, turns and stops; after every
// frame the incremental redraw equals a full one.
#include <gtest/gtest.h>

#include <string>

#include "redraw_fixture.h"
#include "scene/color_node.h"
#include "scene/composite/line_node.h"
#include "scene/composite/frame_node.h"
#include "scene/composite/mask_node.h"
#include "scene/composite/outline_node.h"
#include "scene/composite/outline_style.h"
#include "scene/effect_node.h"
#include "scene/image_node.h"
#include "scene/window_node.h"
#include "support/error_recorder.h"
#include "support/redraw_oracle.h"
#include "test_pictures.h"
#include "text/balloon/balloon_node.h"
#include "text/balloon/balloon_shape.h"
#include "text/text_node.h"
#include "transitions/screen_transition.h"

namespace {

class TurnedParentRedraw : public RedrawFixture {
protected:
    void SetUp() override {
        folder.Pack("T", {{"strip.abm", RawPictureFile(72, 6, PatternPixel)},
                          {"mask.bmp", BmpPictureFile(60, 40, PatternPixel)},
                          {"frame.bmp", BmpPictureFile(90, 50, PatternPixel)}});
        Add(root, "Canvas", new CColorNode(0, 0, -1, 800, 600, 0x203040, kColorBlendNormal));
        ClearRecordedErrors();
    }
    void TearDown() override { EXPECT_TRUE(RecordedErrors().empty()); }

    CPictureFolder folder;
};

TEST_F(TurnedParentRedraw, ChildrenOfATurnedGroupLeaveNoPixelBehind) {
    const double turns[] = {90, 127, -90, 180, 33.5, -145, 270};
    for (double turn : turns) {
        SCOPED_TRACE("turned by " + std::to_string(turn));
        CSceneNode& group = Add(root, "Group", new CSceneNode(494, 199, 1));
        Add(group, "Strip", new CImageNode(-6, -6, 0, "T/strip.abm", 0));
        Add(group, "Border", new COutlineNode(20, 10, 1, 40, 20, kOutlineEmboss, 0xFFFFFFFF, 5));
        group.SetRotation(turn);
        group.FindNode("Strip")->SetRotation(turn / 3);
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
        for (const double dx : {1.5, -3.25, 0.0}) {
            group.SetPosition(group.GetPlacement().x + dx, group.GetPlacement().y - dx);
            root.Update(17);
            Frame();
            ASSERT_TRUE(MatchesFullRedraw(root, target)) << dx;
        }
        root.RemoveAt("Group");
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
    }
}

// A group zoomed more across than down turns its children's pictures as a
// whole: the picture is zoomed by both placements and then turned by both,
// so its area is not the child's own turned area zoomed in the group's axes.
TEST_F(TurnedParentRedraw, TurnedChildrenOfAnUnevenlyZoomedGroupLeaveNoPixelBehind) {
    struct Case {
        double zoomX, zoomY, groupTurn, childTurn;
    };
    const Case cases[] = {{2, 0.75, 0, 45}, {0.5, 3, 0, -30}, {2, 0.75, 20, 45}, {1.5, 0.5, -90, 10.25}};
    for (const Case& c : cases) {
        SCOPED_TRACE("zoom " + std::to_string(c.zoomX) + " x " + std::to_string(c.zoomY) + ", turns " +
                     std::to_string(c.groupTurn) + " and " + std::to_string(c.childTurn));
        CSceneNode& group = Add(root, "Group", new CSceneNode(400, 300, 1));
        CImageNode& strip = Add(group, "Strip", new CImageNode(-30, 10, 0, "T/strip.abm", 0));
        Add(group, "Border", new COutlineNode(20, 10, 1, 40, 20, kOutlineEmboss, 0xFFFFFFFF, 5))
            .SetRotation(c.childTurn);
        group.SetZoom(c.zoomX, c.zoomY);
        group.SetRotation(c.groupTurn);
        strip.SetRotation(c.childTurn);
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
        for (const double turn : {c.childTurn + 15, -c.childTurn, 0.0}) {
            strip.SetRotation(turn);
            group.SetPosition(group.GetPlacement().x + 2.5, group.GetPlacement().y - 1.25);
            root.Update(17);
            Frame();
            ASSERT_TRUE(MatchesFullRedraw(root, target)) << turn;
        }
        root.RemoveAt("Group");
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
    }
}

// Windows, masks and frames that turn, under a group zoomed unevenly, with
// turned pictures inside: whatever a container and its content report holds
// every pixel they draw, also when the container moves or turns and when the
// content turns inside it.
TEST_F(TurnedParentRedraw, TurnedContentOfWindowsMasksAndFramesLeavesNoPixelBehind) {
    enum Kind { kWindow, kMask, kFrame };
    struct Case {
        Kind kind;
        double zoomX, zoomY, turn;
    };
    const Case cases[] = {{kWindow, 1, 1, 30}, {kWindow, 2, 0.75, 45}, {kMask, 1, 1, 30},
                          {kMask, 2, 0.75, -60}, {kFrame, 1.5, 1.5, 90}, {kFrame, 2, 0.75, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + ", zoom " + std::to_string(c.zoomX) + " x " +
                     std::to_string(c.zoomY) + ", turn " + std::to_string(c.turn));
        CSceneNode& group = Add(root, "Group", new CSceneNode(380, 260, 1));
        group.SetZoom(c.zoomX, c.zoomY);
        CNode* container = nullptr;
        CNode* inside = nullptr;
        switch (c.kind) {
            case kWindow: container = &Add(group, "Box", new CWindowNode(0, 0, 0, 70, 50, true)); break;
            case kMask: container = &Add(group, "Box", new CMaskNode(0, 0, 0, "T/mask.bmp", true)); break;
            case kFrame:
                container = &Add(group, "Box", new CFrameNode(0, 0, 0, "T/frame.bmp", kOutlineFade, 0xC0FFFFFF, 4));
                break;
        }
        inside = c.kind == kFrame ? container->FindNode("Window") : container;
        CImageNode& strip = Add(*inside, "Strip", new CImageNode(-10, 20, 0, "T/strip.abm", 0));
        strip.SetRotation(c.turn / 2);
        container->SetRotation(c.turn);
        root.Update(17);
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
        for (const double step : {1.5, -2.25, 0.0}) {
            strip.SetRotation(strip.GetPlacement().rotation + 17 * step);
            container->SetPosition(container->GetPlacement().x + step, container->GetPlacement().y - step);
            container->SetRotation(container->GetPlacement().rotation + 10);
            root.Update(17);
            Frame();
            ASSERT_TRUE(MatchesFullRedraw(root, target)) << step;
        }
        root.RemoveAt("Group");
        root.Update(17);
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
    }
}

// A transition draws at the composed placement, also when a group zoomed far
// down and a child zoomed back up make that placement untransformed: what it
// may shake beyond its picture lies around the child's place on the screen,
// not around the group's origin.
TEST_F(TurnedParentRedraw, TransitionsReachingBeyondThePictureLeaveNoPixelBehind) {
    enum Kind { kImage, kColour, kMask, kBalloon };
    // Stops at the first frame that differs, and the next kind starts afresh.
    const auto run = [&](Kind kind) {
        CSceneNode& group = Add(root, "Group", new CSceneNode(0, 0, 1));
        group.SetZoom(1.0 / 128, 1.0 / 128);
        CNode* child = nullptr;
        switch (kind) {
            case kImage: child = &Add(group, "Child", new CImageNode(0, 0, 0, "T/frame.bmp", 0)); break;
            case kColour:
                child = &Add(group, "Child", new CColorNode(0, 0, 0, 90, 50, 0xE0A040, kColorBlendNormal));
                break;
            case kMask: child = &Add(group, "Child", new CMaskNode(0, 0, 0, "T/mask.bmp", true)); break;
            case kBalloon: {
                CBalloonNode prototype(0, 0, 0, 90, 50, kShapeRectangle, false, 0, "", 0, 16, kTypeNormal, 50, 100,
                                       kStyleVivide, 0xFF4080C0, 0xFF000000);
                child = &Add(group, "Child", static_cast<CBalloonNode*>(prototype.Clone()));
                break;
            }
        }
        if (kind == kMask) Add(*child, "Strip", new CImageNode(5, 5, 0, "T/strip.abm", 0));
        child->SetPosition(400 * 128, 280 * 128);
        child->SetZoom(128, 128);
        CScreenTransition shake(1000, "ShakeHLine", 500, 1000, nullptr);
        child->ApplyCommand(&shake);
        root.Update(17);
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
        for (int step = 1; step <= 3; ++step) {
            group.SetPosition(7.0 * step, -5.0 * step);
            root.Update(17);
            Frame();
            ASSERT_TRUE(MatchesFullRedraw(root, target)) << step;
        }
        root.RemoveAt("Group");
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
    };
    for (const Kind kind : {kImage, kColour, kMask, kBalloon}) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        run(kind);
        root.RemoveAt("Group");
        Frame();
    }
}

// Texts while they type and once typed out, balloons popping in, lines and
// effects, turned inside a group zoomed more one way than the other: each is
// drawn at the parent composed with its own placement, so the area it
// reports must be measured there, not by mapping its own turned rectangle
// into the group's axes.
class TurnedComposedKindRedraw : public TurnedParentRedraw {
protected:
    enum Kind { kTypingText, kTypedText, kBalloon, kLine, kEffect };
    struct Case {
        Kind kind;
        double zoomX, zoomY, groupTurn, childTurn;
    };

    CNode& AddChild(CNode& group, Kind kind) {
        switch (kind) {
            case kTypingText:
            case kTypedText: {
                auto* text = new CTextNode(-60, -25, 0, 160, 60, "Turned text, behind", 0, 24, kTypeStretch, 40, 200);
                text->SetRenderMethod(kRenderSupersampled);
                Add(group, "Child", text);
                if (kind == kTypedText) text->ReceiveMessage("TypeOut");
                return *text;
            }
            case kBalloon: {
                CBalloonNode prototype(-70, -40, 0, 140, 80, kShapeEllipse, true, 30, "Hi", 0, 16, kTypeNormal, 50,
                                       100, kStyleVivide, 0xFF4080C0, 0xFF000000);
                return Add(group, "Child", static_cast<CBalloonNode*>(prototype.Clone()));
            }
            case kLine: {
                CLineNode& line = Add(group, "Child", new CLineNode(-10, 5, 0, kLineClosed, 0xFFE040));
                const double places[][2] = {{-80.5, -30.25}, {60.75, -45.5}, {25.25, 70.75}};
                for (int v = 0; v < 3; ++v) {
                    Add(line, "V" + std::to_string(v), new CSceneNode(0, 0, v)).SetPosition(places[v][0], places[v][1]);
                }
                return line;
            }
            case kEffect: break;
        }
        return Add(group, "Child", new CEffectNode(-50, -30, 0, 120, 80, kEffectNegative));
    }

    void Run(const Case& c) {
        CSceneNode& group = Add(root, "Group", new CSceneNode(400, 300, 1));
        group.SetZoom(c.zoomX, c.zoomY);
        group.SetRotation(c.groupTurn);
        CNode& child = AddChild(group, c.kind);
        child.SetRotation(c.childTurn);
        root.Update(17);
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
        for (const double step : {1.5, -2.25, 0.75, 0.0}) {
            child.SetRotation(child.GetPlacement().rotation + 11 * step);
            group.SetPosition(group.GetPlacement().x + 3 * step, group.GetPlacement().y - 2 * step);
            root.Update(60);
            Frame();
            ASSERT_TRUE(MatchesFullRedraw(root, target)) << step;
        }
        root.RemoveAt("Group");
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target));
    }
};

TEST_F(TurnedComposedKindRedraw, TextsBalloonsLinesAndEffectsOfAnUnevenlyZoomedGroupLeaveNoPixelBehind) {
    const Case cases[] = {{kTypingText, 2, 0.75, 0, 40},  {kTypingText, 0.5, 1.75, 25, -70},
                          {kTypedText, 2, 0.75, 0, 40},   {kTypedText, 1.5, 0.5, -90, 15.5},
                          {kBalloon, 2, 0.75, 0, 40},     {kBalloon, 0.5, 2, 30, -60},
                          {kLine, 0.25, 0.3, 0, 0},       {kLine, 2, 0.2, 35, -50},
                          {kEffect, 2, 0.75, 0, 40},      {kEffect, 0.5, 1.75, -20, 65}};
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind) + ", zoom " + std::to_string(c.zoomX) + " x " +
                     std::to_string(c.zoomY) + ", turns " + std::to_string(c.groupTurn) + " and " +
                     std::to_string(c.childTurn));
        Run(c);
        root.RemoveAt("Group");
        Frame();
    }
}

}  // namespace
