// A tree under a plain root, an 800 x 600 target and the 8 x 8 dirty-cell
// grid that scenes use, with one frame of the redraw protocol at a time.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/memory_surface.h"
#include "scene/dirty_rect_grid.h"
#include "scene/rect_math.h"
#include "scene/redraw.h"
#include "scene/scene_node.h"
#include "test_nodes.h"

inline std::string RectText(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

inline testing::AssertionResult RectsAre(const std::vector<RECT>& actual,
                                         const std::vector<RECT>& expected) {
    bool same = actual.size() == expected.size();
    for (size_t i = 0; same && i < actual.size(); ++i) same = SameRect(actual[i], expected[i]);
    if (same) return testing::AssertionSuccess();
    testing::AssertionResult failure = testing::AssertionFailure();
    failure << "rectangles:";
    for (const RECT& r : actual) failure << " " << RectText(r);
    return failure;
}

class RedrawFixture : public testing::Test {
protected:
    RedrawFixture() {
        grid.Init(8, 8, 800, 600);
        EXPECT_EQ(target.Create(800, 600), 0);
    }
    // Adds a rectangle node under the parent and resets it, as the create
    // command does.
    CRectNode& AddRect(CNode& parent, const std::string& name, int x, int y, int z, int width,
                       int height, Color32 colour, bool opaque) {
        return Add(parent, name, new CRectNode(x, y, z, width, height, colour, opaque));
    }
    template <class Node>
    Node& Add(CNode& parent, const std::string& name, Node* node) {
        EXPECT_TRUE(parent.AddChild(name, node));
        node->Reset();
        return *node;
    }
    // One frame: the purge of the frame's begin, then the redraw.
    std::vector<RECT> Frame() {
        root.PurgeRemoved();
        return RedrawDirtyCells(root, grid, target, nullptr);
    }

    CSceneNode root{0, 0, 0};
    CDirtyRectGrid grid;
    CMemorySurface target;
};
