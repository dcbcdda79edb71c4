#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/draw_image.h"
#include "node_errors.h"
#include "pixel_checks.h"
#include "redraw_fixture.h"
#include "scene/color_node.h"
#include "scene/image_node.h"
#include "scene/window_node.h"
#include "support/redraw_oracle.h"
#include "test_pictures.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// A black canvas, a 100 x 50 window at (10, 20) and a 200 x 100 picture at
// (0, 0) inside it.
class WindowNodes : public RedrawFixture {
protected:
    void Build(bool childrenFollow) {
        folder.Pack("Win", {{"big.bmp", BmpPictureFile(200, 100, PatternPixel)}});
        Add(root, "Canvas", new CColorNode(0, 0, -1, 800, 600, 0, kColorBlendNormal));
        window = &Add(root, "Win", new CWindowNode(10, 20, 0, 100, 50, childrenFollow));
        image = &Add(*window, "Img", new CImageNode(0, 0, 0, "Win/big.bmp", kPictureDrawNormal));
    }
    // The picture drawn by hand at (x, y), cut to the rectangle, on black.
    testing::AssertionResult ShowsPictureAt(int x, int y, const RECT& cut) {
        CMemorySurface expected;
        if (expected.Create(800, 600) != 0) return testing::AssertionFailure() << "no surface";
        DrawImageNormal(expected, *image->GetSurface(), CTransform2D(x, y, 1, 1, 1, 0), false,
                        nullptr, &cut);
        return SamePixels(target, expected);
    }

    CPictureFolder folder;
    CWindowNode* window = nullptr;
    CImageNode* image = nullptr;
};

TEST_F(WindowNodes, AFollowingWindowCarriesItsChildrenAndCutsThem) {
    Build(true);
    Frame();
    EXPECT_TRUE(ShowsPictureAt(10, 20, {10, 20, 110, 70}));
    std::string path;
    EXPECT_TRUE(root.HitTestPath(15, 25, kIdentity, &path));
    EXPECT_EQ(path, "Win/Img");
    path.clear();
    // Inside the picture but outside the window: nothing is found.
    EXPECT_FALSE(window->HitTestPath(150, 25, kIdentity, &path));
    EXPECT_TRUE(path.empty());
}

TEST_F(WindowNodes, AViewportCutsStillContentAsItMoves) {
    Build(false);
    Frame();
    EXPECT_TRUE(ShowsPictureAt(0, 0, {10, 20, 110, 70}));
    window->SetPosition(60, 40);
    Frame();
    EXPECT_TRUE(ShowsPictureAt(0, 0, {60, 40, 160, 90}));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
    std::string path;
    EXPECT_TRUE(root.HitTestPath(65, 45, kIdentity, &path));
    EXPECT_EQ(path, "Win/Img");
    // Outside the moved window only the canvas lies under the point.
    path.clear();
    EXPECT_TRUE(root.HitTestPath(15, 25, kIdentity, &path));
    EXPECT_EQ(path, "Canvas");
}

TEST_F(WindowNodes, AnEmptyWindowShowsNothingOfItsChildren) {
    folder.Pack("Win", {{"big.bmp", BmpPictureFile(200, 100, PatternPixel)}});
    Add(root, "Canvas", new CColorNode(0, 0, -1, 800, 600, 0, kColorBlendNormal));
    CWindowNode& empty = Add(root, "Win", new CWindowNode(10, 20, 0, 0, 50, true));
    Add(empty, "Img", new CImageNode(0, 0, 0, "Win/big.bmp", kPictureDrawNormal));
    Frame();
    CMemorySurface black;
    ASSERT_EQ(black.Create(800, 600), 0);
    EXPECT_TRUE(SamePixels(target, black));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
}

TEST_F(WindowNodes, ATransparentFollowingWindowIsSkippedByTheCulling) {
    for (bool childrenFollow : {true, false}) {
        SCOPED_TRACE(childrenFollow ? "following" : "viewport");
        CWindowNode window(0, 0, 0, 100, 100, childrenFollow);
        auto* child = new CRectNode(0, 0, 0, 50, 50, 0xFF0000, true);
        window.AddChild("Rect", child);
        child->Reset();
        window.SetOpacity(0);
        const RECT cell = {0, 0, 8, 8};
        window.CollectDirtyRects(kIdentity, &cell, nullptr);
        EXPECT_EQ(child->GetRedrawList().empty(), childrenFollow);
    }
}

TEST(WindowNodeErrors, NegativeSizesAreInternalErrors) {
    for (const auto& size : {std::make_pair(-1, 5), std::make_pair(5, -1)}) {
        ClearRecordedErrors();
        EXPECT_THROW(CWindowNode(0, 0, 0, size.first, size.second, true), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
        EXPECT_EQ(RecordedErrors()[0].module, kModuleWindowNode);
        EXPECT_EQ(RecordedErrors()[0].place, size.first < 0 ? 19 : 20);
    }
    ClearRecordedErrors();
}

// Opaque and translucent rectangles overlapping inside a moving window, a
// child that moves out of it and back: every frame equals a full redraw.
TEST_F(WindowNodes, OverlappingChildrenRedrawRightAfterMoves) {
    Add(root, "Canvas", new CColorNode(0, 0, -1, 800, 600, 0x203040, kColorBlendNormal));
    CWindowNode& win = Add(root, "Win", new CWindowNode(100, 80, 0, 300, 200, true));
    CRectNode& back = AddRect(win, "Back", 20, 20, 0, 150, 100, 0x00FF00, true);
    CRectNode& front = AddRect(win, "Front", 80, 60, 1, 150, 100, 0xFF0000, false);
    CRectNode& top = AddRect(win, "Top", 120, 40, 2, 60, 60, 0x0000FF, true);
    Frame();
    ASSERT_TRUE(MatchesFullRedraw(root, target));
    const struct {
        CNode* node;
        double x, y;
    } kMoves[] = {{&front, 10, 10}, {&back, 200, 150}, {&win, 130, 90}, {&top, 280, 150},
                  {&back, -50, -30}, {&win, 90.5, 60.5}, {&front, 140, 90}, {&top, 100, 60}};
    for (const auto& move : kMoves) {
        move.node->SetPosition(move.x, move.y);
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target)) << move.x << ", " << move.y;
    }
}

TEST_F(WindowNodes, AChildRemovingItselfFromItsEventPageLivesUntilThePurge) {
    std::vector<std::string> log;
    CWindowNode& win = Add(root, "Win", new CWindowNode(0, 0, 0, 100, 100, true));
    auto* child = new CLoggingNode("child", log);
    win.AddChild("Child", child);
    child->Reset();
    child->onMessage = [&](CLoggingNode& self) {
        self.RemoveAt("");
        // Still alive here: its handler goes on running.
        log.push_back(std::to_string(self.GetNodeKind()));
    };
    root.Request("Win/Child", "OnClick");
    EXPECT_EQ(log, (std::vector<std::string>{"child msg OnClick", "child detach",
                                             "child deactivate", "1000"}));
    EXPECT_FALSE(win.HasNodeAt("Child"));
    Frame();
    EXPECT_EQ(log.back(), "child delete");
}

}  // namespace
