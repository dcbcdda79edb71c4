#include <gtest/gtest.h>

#include <vector>

#include "scene/dirty_rect_grid.h"
#include "scene/rect_math.h"

namespace {

struct CellRect {
    int index;
    RECT r;
};

// The non-empty cells of the grid, in cell order.
std::vector<CellRect> Cells(const CDirtyRectGrid& grid) {
    std::vector<CellRect> cells;
    for (int i = 0; i < grid.GetCellCount(); ++i) {
        RECT r;
        grid.GetCell(i, &r);
        if (!IsEmptyRect(r)) cells.push_back({i, r});
    }
    return cells;
}

testing::AssertionResult CellsAre(const CDirtyRectGrid& grid, const std::vector<CellRect>& expected) {
    const std::vector<CellRect> actual = Cells(grid);
    bool same = actual.size() == expected.size();
    for (size_t i = 0; same && i < actual.size(); ++i) {
        same = actual[i].index == expected[i].index && SameRect(actual[i].r, expected[i].r);
    }
    if (same) return testing::AssertionSuccess();
    testing::AssertionResult failure = testing::AssertionFailure();
    failure << "cells:";
    for (const CellRect& c : actual) {
        failure << " " << c.index << "=(" << c.r.left << ", " << c.r.top << ", " << c.r.right
                << ", " << c.r.bottom << ")";
    }
    return failure;
}

class Grid : public testing::Test {
protected:
    Grid() { grid.Init(8, 8, 800, 600); }
    CDirtyRectGrid grid;
};

TEST_F(Grid, ARectangleSplitsIntoTheCellsItTouches) {
    EXPECT_EQ(grid.GetCellCount(), 64);
    grid.AddRect({150, 100, 260, 160});
    EXPECT_TRUE(CellsAre(grid, {{9, {150, 100, 200, 150}},
                                {10, {200, 100, 260, 150}},
                                {17, {150, 150, 200, 160}},
                                {18, {200, 150, 260, 160}}}));
    // A second rectangle widens the cells' bounding boxes.
    grid.AddRect({120, 90, 130, 95});
    EXPECT_TRUE(CellsAre(grid, {{9, {120, 90, 200, 150}},
                                {10, {200, 100, 260, 150}},
                                {17, {150, 150, 200, 160}},
                                {18, {200, 150, 260, 160}}}));
    grid.Clear();
    EXPECT_TRUE(CellsAre(grid, {}));
}

TEST_F(Grid, TheFullFrameMergesIntoTheBottomRightCell) {
    grid.AddRect({0, 0, 800, 600});
    for (int i = 0; i < 64; ++i) {
        RECT r;
        grid.GetCell(i, &r);
        const RECT whole = {i % 8 * 100, i / 8 * 75, i % 8 * 100 + 100, i / 8 * 75 + 75};
        EXPECT_TRUE(SameRect(r, whole)) << i;
    }
    grid.Merge();
    EXPECT_TRUE(CellsAre(grid, {{63, {0, 0, 800, 600}}}));
}

TEST_F(Grid, RectanglesReachingOutsideTouchOnlyTheCellsInside) {
    grid.AddRect({-50, -30, 850, 40});
    std::vector<CellRect> row;
    for (int c = 0; c < 8; ++c) row.push_back({c, {c * 100, 0, c * 100 + 100, 40}});
    EXPECT_TRUE(CellsAre(grid, row));
    grid.Clear();
    grid.AddRect({900, 0, 1000, 50});
    grid.AddRect({-200, -200, -10, -10});
    grid.AddRect({0, 650, 100, 700});
    EXPECT_TRUE(CellsAre(grid, {}));
    grid.AddRect({750, 560, 900, 700});
    EXPECT_TRUE(CellsAre(grid, {{63, {750, 560, 800, 600}}}));
}

TEST_F(Grid, MergeJoinsRowsFirstThenColumns) {
    // A band over three cells of row 0 collapses into its rightmost cell.
    grid.AddRect({10, 10, 290, 40});
    // A column over rows 0 to 2 of column 4 collapses into its lowest cell.
    grid.AddRect({410, 20, 490, 200});
    // Cells of unequal height stay apart.
    grid.AddRect({610, 100, 650, 140});
    grid.AddRect({700, 110, 720, 140});
    grid.Merge();
    EXPECT_TRUE(CellsAre(grid, {{2, {10, 10, 290, 40}},
                                {14, {610, 100, 650, 140}},
                                {15, {700, 110, 720, 140}},
                                {20, {410, 20, 490, 200}}}));

    // A block of 2 x 2 cells: rows first, then the merged cells down.
    grid.Clear();
    grid.AddRect({150, 100, 260, 160});
    grid.Merge();
    EXPECT_TRUE(CellsAre(grid, {{18, {150, 100, 260, 160}}}));

    // Row-merged cells join down only with a cell of the same left and right.
    grid.Clear();
    grid.AddRect({10, 10, 190, 75});
    grid.AddRect({10, 75, 290, 100});
    grid.Merge();
    EXPECT_TRUE(CellsAre(grid, {{1, {10, 10, 190, 75}}, {10, {10, 75, 290, 100}}}));
}

TEST(SubtractRectInto, BandsOutsideTheCut) {
    struct Case {
        RECT r, cut;
        std::vector<RECT> out;
    };
    const std::vector<Case> cases = {
        {{0, 0, 100, 100}, {25, 25, 75, 75},
         {{0, 75, 100, 100}, {0, 0, 100, 25}, {0, 25, 25, 75}, {75, 25, 100, 75}}},
        {{0, 0, 100, 100}, {200, 200, 300, 300}, {{0, 0, 100, 100}}},
        {{0, 0, 100, 100}, {-10, -10, 110, 110}, {}},
        {{0, 0, 100, 100}, {50, -10, 150, 110}, {{0, 0, 50, 100}}},
        // Touching counts as overlap: the band is the whole rectangle.
        {{0, 0, 100, 100}, {100, 0, 200, 100}, {{0, 0, 100, 100}}},
        // Touching at a corner leaves an empty band beside the whole one.
        {{0, 0, 100, 100}, {100, 100, 200, 200}, {{0, 0, 100, 100}, {0, 100, 100, 100}}},
    };
    for (const Case& c : cases) {
        std::vector<RECT> out;
        SubtractRectInto(c.r, c.cut, out);
        ASSERT_EQ(out.size(), c.out.size()) << c.cut.left << ", " << c.cut.top;
        for (size_t i = 0; i < out.size(); ++i) EXPECT_TRUE(SameRect(out[i], c.out[i])) << i;
    }
}

TEST(CompactRects, NeighboursOfEqualSidesJoin) {
    std::vector<RECT> rects = {
        {0, 0, 10, 10}, {50, 50, 60, 60}, {0, 10, 10, 20}, {10, 0, 20, 20}, {0, 30, 10, 40}};
    CompactRects(rects);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_TRUE(SameRect(rects[0], {0, 0, 20, 20}));
    EXPECT_TRUE(SameRect(rects[1], {50, 50, 60, 60}));
    EXPECT_TRUE(SameRect(rects[2], {0, 30, 10, 40}));
}

}  // namespace
