#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "redraw_fixture.h"
#include "support/redraw_oracle.h"
#include "support/tree_dump.h"

namespace {

using Redraw = RedrawFixture;

TEST_F(Redraw, AMoveSubmitsTheOldAndTheNewArea) {
    AddRect(root, "Bottom", 0, 0, -1, 800, 600, 0x202020, true);
    EXPECT_TRUE(RectsAre(Frame(), {{0, 0, 800, 600}}));
    CRectNode& node = AddRect(root, "N", 110, 80, 0, 32, 32, 0x336699, true);
    EXPECT_TRUE(RectsAre(Frame(), {{110, 80, 142, 112}}));
    EXPECT_TRUE(SameRect(node.GetCommittedRect(), {110, 80, 142, 112}));
    node.ClearDraws();

    node.SetPosition(120, 80);
    EXPECT_TRUE(RectsAre(Frame(), {{110, 80, 152, 112}}));
    EXPECT_TRUE(SameRect(node.GetCommittedRect(), {120, 80, 152, 112}));
    EXPECT_TRUE(RectsAre(node.Draws(), {{120, 80, 152, 112}}));
    EXPECT_FALSE(node.IsDirty());
    EXPECT_TRUE(node.GetRedrawList().empty());
    EXPECT_TRUE(MatchesFullRedraw(root, target));
}

TEST_F(Redraw, AStillFrameSubmitsDrawsAndReturnsNothing) {
    CRectNode& node = AddRect(root, "N", 10, 10, 0, 50, 50, 0x336699, false);
    Frame();
    node.ClearDraws();
    EXPECT_TRUE(Frame().empty());
    EXPECT_TRUE(node.Draws().empty());
    // A setter given the current values records nothing either.
    node.SetPosition(10, 10);
    node.SetOpacity(1);
    EXPECT_TRUE(Frame().empty());
}

TEST_F(Redraw, MovingAGroupRedrawsItsChildrensOldAndNewPlaces) {
    AddRect(root, "Bottom", 0, 0, -1, 800, 600, 0x202020, true);
    CSceneNode& group = Add(root, "G", new CSceneNode(0, 0, 0));
    CRectNode& first = AddRect(group, "A", 100, 100, 0, 32, 32, 0x112233, true);
    CRectNode& second = AddRect(group, "B", 300, 300, 0, 32, 32, 0x445566, true);
    Frame();
    first.ClearDraws();
    second.ClearDraws();

    // The children's old areas are gathered into the group's committed
    // rectangle, their bounding box (100, 100, 332, 332); the new areas,
    // committed where they were drawn on the screen, are
    // (110, 100, 142, 132) and (310, 300, 342, 332). The grid merges rows 1
    // to 3 into column 3 and row 4 on its own.
    group.SetPosition(10, 0);
    EXPECT_TRUE(SameRect(first.GetCommittedRect(), {0, 0, 0, 0}));
    EXPECT_TRUE(SameRect(group.GetCommittedRect(), {100, 100, 332, 332}));
    EXPECT_TRUE(RectsAre(Frame(), {{100, 100, 332, 300}, {100, 300, 342, 332}}));
    EXPECT_TRUE(RectsAre(first.Draws(), {{110, 100, 142, 132}}));
    EXPECT_TRUE(RectsAre(second.Draws(), {{310, 300, 342, 332}}));
    EXPECT_TRUE(SameRect(first.GetCommittedRect(), {110, 100, 142, 132}));
    EXPECT_TRUE(SameRect(group.GetCommittedRect(), {0, 0, 0, 0}));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
}

TEST_F(Redraw, AnOpaqueFrontNodeHidesTheBackNodesCell) {
    for (bool opaque : {true, false}) {
        CSceneNode tree(0, 0, 0);
        CRectNode& back = AddRect(tree, "Back", 0, 0, 0, 200, 150, 0x0000FF, true);
        CRectNode& front = AddRect(tree, "Front", 0, 0, 1, 100, 75, 0xFF0000, opaque);
        EXPECT_TRUE(RectsAre(RedrawDirtyCells(tree, grid, target, nullptr), {{0, 0, 200, 150}}));
        EXPECT_TRUE(RectsAre(front.Draws(), {{0, 0, 100, 75}}));
        if (opaque) {
            EXPECT_TRUE(RectsAre(back.Draws(), {{0, 75, 200, 150}, {100, 0, 200, 75}}));
        } else {
            EXPECT_TRUE(RectsAre(back.Draws(), {{0, 0, 200, 150}}));
        }
        EXPECT_TRUE(MatchesFullRedraw(tree, target));
    }
}

TEST_F(Redraw, RemovalRedrawsTheOldArea) {
    CRectNode& bottom = AddRect(root, "Bottom", 0, 0, 0, 800, 600, 0x202020, true);
    CSceneNode& group = Add(root, "G", new CSceneNode(5, 0, 1));
    AddRect(group, "N", 105, 80, 0, 32, 32, 0xFFFFFF, true);
    Frame();
    bottom.ClearDraws();
    root.RemoveAt("G/N");
    EXPECT_TRUE(group.GetDirtyFlag());
    EXPECT_TRUE(RectsAre(Frame(), {{110, 80, 142, 112}}));
    EXPECT_TRUE(RectsAre(bottom.Draws(), {{110, 80, 142, 112}}));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
    // Removing the whole group redraws what its children covered.
    AddRect(group, "M", 300, 300, 0, 10, 10, 0xFFFFFF, true);
    Frame();
    root.RemoveAt("G");
    EXPECT_TRUE(RectsAre(Frame(), {{305, 300, 315, 310}}));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
}

// A bottom node, ten full-frame layers and a 32 x 32 node moved by 4 pixels
// inside one cell: every node paints its part of the one 36 x 32 cell.
TEST_F(Redraw, OnlyTheChangedCellIsPainted) {
    for (bool opaque : {true, false}) {
        CSceneNode tree(0, 0, 0);
        std::vector<CRectNode*> nodes;
        nodes.push_back(&AddRect(tree, "Bottom", 0, 0, 0, 800, 600, 0x101010, true));
        for (int i = 1; i <= 10; ++i) {
            nodes.push_back(&AddRect(tree, "Layer" + std::to_string(i), 0, 0, i, 800, 600,
                                     0x030507u * i, false));
        }
        CRectNode& moving = AddRect(tree, "Moving", 110, 80, 11, 32, 32, 0xC0C0C0, opaque);
        RedrawDirtyCells(tree, grid, target, nullptr);
        for (CRectNode* node : nodes) node->ClearDraws();
        moving.ClearDraws();

        moving.SetPosition(114, 80);
        EXPECT_TRUE(RectsAre(RedrawDirtyCells(tree, grid, target, nullptr), {{110, 80, 146, 112}}));
        EXPECT_TRUE(RectsAre(moving.Draws(), {{114, 80, 146, 112}}));
        // Behind an opaque node only the uncovered strip is painted.
        const RECT behind = opaque ? RECT{110, 80, 114, 112} : RECT{110, 80, 146, 112};
        long pixels = 32 * 32;
        for (CRectNode* node : nodes) {
            EXPECT_TRUE(RectsAre(node->Draws(), {behind}));
            for (const RECT& r : node->Draws()) pixels += (r.right - r.left) * (r.bottom - r.top);
        }
        EXPECT_EQ(pixels, opaque ? 1024 + 11 * 128 : 1024 + 11 * 1152);
        EXPECT_TRUE(MatchesFullRedraw(tree, target));
    }
}

TEST_F(Redraw, ZoomFadeAndOrderChangesRedrawTheNode) {
    AddRect(root, "Bottom", 0, 0, 0, 800, 600, 0x202020, true);
    CRectNode& a = AddRect(root, "A", 100, 100, 1, 40, 40, 0x00FF00, false);
    AddRect(root, "B", 120, 120, 2, 40, 40, 0xFF0000, true);
    Frame();
    a.SetZoom(2, 1.5);
    EXPECT_TRUE(RectsAre(Frame(), {{100, 100, 180, 160}}));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
    a.SetOpacity(0.25);
    EXPECT_TRUE(RectsAre(Frame(), {{100, 100, 180, 160}}));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
    root.SetChildOrder("A", 3);
    EXPECT_TRUE(RectsAre(Frame(), {{100, 100, 180, 160}}));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
    a.SetOpacity(0);
    EXPECT_TRUE(RectsAre(Frame(), {{100, 100, 180, 160}}));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
}

TEST_F(Redraw, ChildrenArePlacedByTheParentsGetTransform) {
    AddRect(root, "Bottom", 0, 0, -1, 800, 600, 0x202020, true);
    CFixedChildrenNode& holder = Add(root, "H", new CFixedChildrenNode(100, 100, 0));
    CRectNode& child = AddRect(holder, "C", 10, 10, 0, 32, 32, 0xFFFFFF, true);
    Frame();
    EXPECT_TRUE(RectsAre(child.Draws(), {{10, 10, 42, 42}}));
    std::string path;
    EXPECT_TRUE(root.HitTestPath(20, 20, CTransform2D(0, 0, 1, 1, 1, 0), &path));
    EXPECT_EQ(path, "H/C");
    int x = 0;
    int y = 0;
    root.GetPositionAt("H/C", &x, &y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 10);

    // Moving the holder leaves the child where it is.
    child.ClearDraws();
    holder.SetPosition(300, 300);
    EXPECT_TRUE(RectsAre(Frame(), {{10, 10, 42, 42}}));
    EXPECT_TRUE(RectsAre(child.Draws(), {{10, 10, 42, 42}}));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
    holder.RemoveAt("C");
    EXPECT_TRUE(RectsAre(Frame(), {{10, 10, 42, 42}}));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
}

TEST_F(Redraw, TheTreeDumpListsEveryNode) {
    CSceneNode& group = Add(root, "G", new CSceneNode(5, 6, 2));
    AddRect(group, "R", 1, 2, 3, 10, 10, 0, true).SetOpacity(0.5);
    EXPECT_EQ(DumpTree(root),
              "/ kind=1000 z=0 at=(0, 0) opacity=1 zoom=(1, 1) rotation=0\n"
              "G kind=1000 z=2 at=(5, 6) opacity=1 zoom=(1, 1) rotation=0\n"
              "G/R kind=1000 z=3 at=(1, 2) opacity=0.5 zoom=(1, 1) rotation=0\n");
}

}  // namespace
