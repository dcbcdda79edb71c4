// The one road from a node tree to the window: RedrawDirtyCells draws into
// the display device's back buffer and PresentCells copies the returned
// cells to the window.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/display_driver.h"
#include "graphics/rectangle_fill.h"
#include "scene/dirty_rect_grid.h"
#include "scene/redraw.h"
#include "scene/scene_node.h"
#include "support/display_run.h"
#include "support/error_recorder.h"
#include "support/window_readback.h"
#include "test_nodes.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

bool Inside(const std::vector<RECT>& rects, int x, int y) {
    const POINT point = {x, y};
    for (const RECT& r : rects) {
        if (PtInRect(&r, point)) return true;
    }
    return false;
}

// Inside the cells the window shows the back buffer; outside them it shows
// what it showed before.
testing::AssertionResult ShowsOnlyTheCells(const std::vector<Color32>& before,
                                           const std::vector<Color32>& after,
                                           const CMemorySurface& back,
                                           const std::vector<RECT>& cells) {
    int wrong = 0;
    char first[96] = "";
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int i = y * kWidth + x;
            const Color32 expected = Inside(cells, x, y) ? back.GetPixel(x, y) & 0xFFFFFF : before[i];
            if (after[i] != expected && wrong++ == 0) {
                snprintf(first, sizeof first, "(%d, %d) is %06x, not %06x", x, y,
                         static_cast<unsigned>(after[i]), static_cast<unsigned>(expected));
            }
        }
    }
    if (wrong == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << wrong << " pixels wrong, first " << first;
}

TEST(PresentCells, OnlyTheRedrawnCellsChangeInTheWindow) {
    RunWithDisplay(DirectDrawDisplayDriver(), [](DisplayFixture& f) {
        ASSERT_EQ(f.device.SetMode(false, 0, 0, 0), 0);
        f.app.PumpMessages();
        CMemorySurface& back = *f.device.GetBackBuffer();
        CDirtyRectGrid grid;
        grid.Init(8, 8, kWidth, kHeight);
        CSceneNode root(0, 0, 0);
        for (auto* node : {new CRectNode(0, 0, 0, kWidth, kHeight, 0x204060, true),
                           new CRectNode(110, 80, 1, 32, 32, 0xE0C020, true)}) {
            root.AddChild(node->GetZ() == 0 ? "Bottom" : "Moving", node);
            node->Reset();
        }

        std::vector<Color32> before = ReadBack(f.window);
        std::vector<RECT> cells = RedrawDirtyCells(root, grid, back, nullptr);
        ASSERT_EQ(cells.size(), 1u);
        f.device.PresentCells(cells, false);
        std::vector<Color32> after = ReadBack(f.window);
        EXPECT_TRUE(ShowsOnlyTheCells(before, after, back, cells));
        EXPECT_EQ(after[0], 0x204060u);
        EXPECT_EQ(after[90 * kWidth + 120], 0xE0C020u);

        // A mark drawn into the back buffer outside any changed cell never
        // reaches the window.
        FillNormal(back, 500, 400, 520, 420, 0xFFFFFFFF, nullptr);
        root.FindNode("Moving")->SetPosition(114, 80);
        before = after;
        cells = RedrawDirtyCells(root, grid, back, nullptr);
        ASSERT_EQ(cells.size(), 1u);
        EXPECT_EQ(cells[0].right - cells[0].left, 36);
        f.device.PresentCells(cells, false);
        after = ReadBack(f.window);
        EXPECT_TRUE(ShowsOnlyTheCells(before, after, back, cells));
        EXPECT_NE(after[410 * kWidth + 510], 0xFFFFFFu);

        // A still frame presents nothing.
        cells = RedrawDirtyCells(root, grid, back, nullptr);
        EXPECT_TRUE(cells.empty());
        f.device.PresentCells(cells, false);
        EXPECT_EQ(ReadBack(f.window), after);
        EXPECT_TRUE(RecordedErrors().empty());
    });
}

}  // namespace
