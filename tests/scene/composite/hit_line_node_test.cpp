// Hit areas answer hit tests only; lines join their children's origins.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../pixel_checks.h"
#include "../redraw_fixture.h"
#include "graphics/lines.h"
#include "scene/color_node.h"
#include "scene/composite/hit_node.h"
#include "scene/composite/line_node.h"
#include "support/redraw_oracle.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

TEST(HitNode, HitsItsPlacedRectangleWhateverItsOpacity) {
    struct Case {
        double x, y, zoom, opacity;
        bool enabled;
        bool hit;
    };
    const Case cases[] = {
        {10, 10, 1, 1, true, true},     {109, 59, 1, 1, true, true},  {110, 10, 1, 1, true, false},
        {10, 60, 1, 1, true, false},    {9.5, 10, 1, 1, true, false}, {209, 109, 2, 1, true, true},
        {210, 109, 2, 1, true, false},  {50, 30, 1, 0, true, true},   {50, 30, 1, 1, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y) + " zoom " + std::to_string(c.zoom));
        CHitNode node(10, 10, 0, 100, 50);
        node.SetZoom(c.zoom, c.zoom);
        node.SetOpacity(c.opacity);
        node.SetHitEnabled(c.enabled);
        EXPECT_EQ(node.HitTestSelf(c.x, c.y, kIdentity), c.hit);
    }
    CSceneNode root(0, 0, 0);
    auto* hit = new CHitNode(10, 10, 0, 100, 50);
    root.AddChild("Area", hit);
    hit->Reset();
    hit->SetOpacity(0);
    std::string path;
    EXPECT_TRUE(root.HitTestPath(20, 20, kIdentity, &path));
    EXPECT_EQ(path, "Area");
    EXPECT_FALSE(hit->IsVisible(kIdentity));
}

class LineNodes : public RedrawFixture {
protected:
    void SetUp() override { Add(root, "Canvas", new CColorNode(0, 0, -1, 800, 600, 0, kColorBlendNormal)); }
    CLineNode& AddLine(int style, std::vector<POINT> vertices, double x = 50, double y = 60) {
        CLineNode& line = Add(root, "Line", new CLineNode(0, 0, 1, style, 0x12FF8040));
        line.SetPosition(x, y);
        for (size_t i = 0; i < vertices.size(); ++i) {
            // Names against z, so the drawing order is z's, not the names'.
            Add(line, std::string(1, static_cast<char>('z' - i)),
                new CSceneNode(vertices[i].x, vertices[i].y, static_cast<int>(i)));
        }
        return line;
    }
    // The canvas's black with the segments drawn by hand, offset by (50, 60).
    testing::AssertionResult ShowsSegments(const std::vector<std::pair<POINT, POINT>>& segments) {
        CMemorySurface expected;
        if (expected.Create(800, 600) != 0) return testing::AssertionFailure() << "no surface";
        for (const auto& s : segments) {
            DrawLine(expected, s.first.x + 50, s.first.y + 60, s.second.x + 50, s.second.y + 60, 0xFFFF8040,
                     nullptr);
        }
        return SamePixels(target, expected);
    }
};

TEST_F(LineNodes, StylesJoinTheVerticesInDrawingOrder) {
    const POINT a = {0, 0}, b = {100, 0}, c = {100, 100}, d = {0, 100};
    struct Case {
        const char* name;
        int style;
        std::vector<POINT> vertices;
        std::vector<std::pair<POINT, POINT>> segments;
    };
    const Case cases[] = {
        {"one vertex", 1, {a}, {}},
        {"open", 0, {a, b, c}, {{a, b}, {b, c}}},
        {"closed", 1, {a, b, c}, {{a, b}, {b, c}, {c, a}}},
        {"separate segments", 2, {a, b, c}, {{a, b}}},
        {"separate segments, four vertices", 2, {a, b, c, d}, {{a, b}, {c, d}}},
        {"another value is open", 7, {a, b, c}, {{a, b}, {b, c}}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        root.RemoveAt("Line");
        AddLine(k.style, k.vertices);
        Frame();
        EXPECT_TRUE(ShowsSegments(k.segments));
        EXPECT_TRUE(MatchesFullRedraw(root, target));
    }
}

TEST_F(LineNodes, AMovedVertexRedrawsTheLineInTheSameFrame) {
    CLineNode& line = AddLine(kLineClosed, {{0, 0}, {100, 0}, {100, 100}});
    Frame();
    line.FindNode("x")->SetPosition(30, 120);
    root.Update(17);
    EXPECT_TRUE(line.GetDirtyFlag());
    Frame();
    EXPECT_TRUE(ShowsSegments({{{0, 0}, {100, 0}}, {{100, 0}, {30, 120}}, {{30, 120}, {0, 0}}}));
    EXPECT_TRUE(MatchesFullRedraw(root, target));
}

TEST_F(LineNodes, FractionalPlacesLeaveNoStalePixels) {
    // A vertex at 10.2 under a line at 0.6 is drawn at 10, a pixel before
    // the truncated vertex mapped by the line's placement.
    CLineNode& line = AddLine(kLineOpen, {{10, 10}, {40, 10}}, 0.6, 0.6);
    line.FindNode("z")->SetPosition(10.2, 10.2);
    Frame();
    for (double x : {-5.4, 20.7, 3.5}) {
        line.SetPosition(x, 0.6);
        Frame();
        EXPECT_TRUE(MatchesFullRedraw(root, target)) << x;
    }
}

TEST_F(LineNodes, AFadedOutLineDrawsNothingEvenWhenDrawnWhole) {
    // Drawn opaque whatever its opacity, so below the visibility threshold
    // the line must not draw at all, not only be left out of the redraw.
    CLineNode& line = AddLine(kLineClosed, {{0, 0}, {100, 0}, {100, 100}});
    for (double opacity : {0.0, 0.001}) {
        line.SetOpacity(opacity);
        CMemorySurface whole;
        ASSERT_EQ(whole.Create(800, 600), 0);
        line.Draw(whole, kIdentity, nullptr);
        EXPECT_EQ(whole.GetPixel(100, 60), 0u) << opacity;
        EXPECT_EQ(whole.GetPixel(150, 110), 0u) << opacity;
    }
    line.SetOpacity(0.25);
    CMemorySurface whole;
    ASSERT_EQ(whole.Create(800, 600), 0);
    line.Draw(whole, kIdentity, nullptr);
    EXPECT_EQ(whole.GetPixel(100, 60), 0xFFFF8040u);
}

}  // namespace
