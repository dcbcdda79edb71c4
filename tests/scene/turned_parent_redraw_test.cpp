// Pictures and outlines under a turned or unevenly zoomed group: the area a
// child reports holds every pixel the edge table paints for it under the
// composed placement, also the pixel a turned corner lands on at the right
// or bottom edge of the bounding box. The group moves, turns and stops; after every
// frame the incremental redraw equals a full one.
#include <gtest/gtest.h>

#include <string>

#include "redraw_fixture.h"
#include "scene/color_node.h"
#include "scene/composite/frame_node.h"
#include "scene/composite/mask_node.h"
#include "scene/composite/outline_node.h"
#include "scene/composite/outline_style.h"
#include "scene/image_node.h"
#include "scene/window_node.h"
#include "support/error_recorder.h"
#include "support/redraw_oracle.h"
#include "test_pictures.h"

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

}  // namespace
