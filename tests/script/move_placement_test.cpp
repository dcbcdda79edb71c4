// Where Move and ShakeMove send a node: every placement mode and keyword
// on both axes, worked out by hand, the area a node is placed in, and the
// errors for codes out of range.
#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "platform/error_report.h"
#include "scene/color_node.h"
#include "scene/node_kind.h"
#include "scene/scene_node.h"
#include "script/argument_kinds.h"
#include "script/move_placement.h"
#include "support/error_recorder.h"

namespace {

struct PlacementCase {
    PlacementAxis axis;
    int mode;
    int value;
    double from;
    int size;
    int area;
    double expected;
};

constexpr PlacementAxis H = PlacementAxis::Horizontal;
constexpr PlacementAxis V = PlacementAxis::Vertical;

TEST(MovePlacementTest, EveryModeAndKeywordOnBothAxes) {
    const PlacementCase cases[] = {
        {H, kPlacementIntact, 5, 30.5, 100, 800, 30.5},
        {H, kPlacementPixels, 120, 30, 100, 800, 120},
        {H, kPlacementPercent, 25, 30, 100, 800, 200},
        {H, kPlacementPercent, -50, 30, 100, 201, -100},  // -100.5 truncates toward zero
        {H, kPlacementPercent, 33, 0, 0, 201, 66},        // 6633 / 100
        {H, kPlacementRelativePixels, -7, 30, 100, 800, 23},
        {H, kPlacementRelativePercent, 10, 30, 100, 800, 110},
        {H, kPlacementCentredPixels, 400, 0, 101, 800, 350},
        {H, kPlacementCentredPercent, 50, 0, 100, 800, 350},
        {H, kPlacementRelativeCentredPixels, 10, 30, 100, 800, -10},
        {H, kPlacementRelativeCentredPercent, 50, 30, 101, 800, 380},
        {H, kPlacementKeyword, kPlacementOutLeft, 30, 100, 800, -100},
        {H, kPlacementKeyword, kPlacementInLeft, 30, 100, 800, 0},
        {H, kPlacementKeyword, kPlacementCenter, 30, 100, 800, 350},
        {H, kPlacementKeyword, kPlacementCenter, 30, 101, 800, 350},
        {H, kPlacementKeyword, kPlacementInRight, 30, 100, 800, 700},
        {H, kPlacementKeyword, kPlacementOutRight, 30, 100, 800, 800},
        {H, kPlacementKeyword, kPlacementOnLeft, 30, 101, 800, -50},
        {H, kPlacementKeyword, kPlacementOnRight, 30, 100, 800, 750},
        {V, kPlacementIntact, 9, -4, 51, 600, -4},
        {V, kPlacementPixels, -12, 0, 51, 600, -12},
        {V, kPlacementPercent, 33, 0, 51, 600, 198},
        {V, kPlacementRelativePixels, 12, 8, 51, 600, 20},
        {V, kPlacementRelativePercent, -10, 8, 51, 600, -52},
        {V, kPlacementCentredPixels, 100, 8, 51, 600, 75},
        {V, kPlacementCentredPercent, 50, 8, 51, 600, 275},
        {V, kPlacementRelativeCentredPixels, 100, 8, 51, 600, 83},
        {V, kPlacementRelativeCentredPercent, 50, 8, 51, 600, 283},
        {V, kPlacementKeyword, kPlacementOutLeft, 8, 51, 600, -51},
        {V, kPlacementKeyword, kPlacementInLeft, 8, 51, 600, 0},
        {V, kPlacementKeyword, kPlacementCenter, 8, 51, 600, 275},
        {V, kPlacementKeyword, kPlacementInRight, 8, 51, 600, 549},
        {V, kPlacementKeyword, kPlacementOutRight, 8, 51, 600, 600},
        {V, kPlacementKeyword, kPlacementOnLeft, 8, 51, 600, -25},
        {V, kPlacementKeyword, kPlacementOnRight, 8, 51, 600, 575},
        // Percentages near the int limits are held to the int range.
        {H, kPlacementPercent, INT_MAX, 0, 0, 800, INT_MAX},
        {V, kPlacementPercent, INT_MIN, 0, 0, 600, INT_MIN},
        {H, kPlacementPercent, INT_MAX, 0, 0, 100, INT_MAX},
        {H, kPlacementRelativePercent, INT_MAX, 10, 0, 800, 10.0 + INT_MAX},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.axis == H ? "horizontal" : "vertical") << " mode " << c.mode
                                          << " value " << c.value << " size " << c.size << " area " << c.area);
        EXPECT_EQ(ResolvePlacement(c.axis, c.mode, c.value, c.from, c.size, c.area), c.expected);
    }
}

TEST(MovePlacementTest, CodesOutOfRangeAreInternalErrorsAtTheirPlaces) {
    struct {
        PlacementAxis axis;
        int mode;
        int value;
        int place;
    } const cases[] = {
        {H, kPlacementKeyword, 7, 301}, {H, kPlacementKeyword, -1, 301}, {H, 10, 0, 308}, {H, -1, 0, 308},
        {V, kPlacementKeyword, 7, 329}, {V, kPlacementKeyword, -1, 329}, {V, 10, 0, 336}, {V, -1, 0, 336},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        ClearRecordedErrors();
        EXPECT_THROW(ResolvePlacement(c.axis, c.mode, c.value, 0, 10, 800), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Internal);
        EXPECT_EQ(RecordedErrors()[0].module, kModuleMovePlacement);
        EXPECT_EQ(RecordedErrors()[0].place, c.place);
    }
    ClearRecordedErrors();
}

// A group that reports a size and a node kind of its choice.
class CSizedNode : public CSceneNode {
public:
    CSizedNode(int width, int height, int kind) : CSceneNode(0, 0, 0), width_(width), height_(height), kind_(kind) {}
    void GetSize(int* width, int* height) override {
        *width = width_;
        *height = height_;
    }
    int GetNodeKind() override { return kind_; }

private:
    int width_, height_, kind_;
};

TEST(MovePlacementTest, TheAreaIsTheParentsSizeBelowTheCanvasAndOtherwise800By600) {
    CSizedNode canvas(1024, 768, kNodeKindColor);
    auto* direct = new CSceneNode(0, 0, 0);
    auto* panel = new CSizedNode(201, 90, kNodeKindColor);
    auto* page = new CSizedNode(1000, 900, kNodeKindScriptPage);
    ASSERT_TRUE(canvas.AddChild("direct", direct));
    ASSERT_TRUE(canvas.AddChild("panel", panel));
    ASSERT_TRUE(canvas.AddChild("page", page));
    auto* inPanel = new CSceneNode(0, 0, 0);
    auto* inPage = new CSceneNode(0, 0, 0);
    ASSERT_TRUE(canvas.AddChild("panel/a", inPanel));
    ASSERT_TRUE(canvas.AddChild("page/a", inPage));
    CSceneNode alone(0, 0, 0);

    struct {
        const char* name;
        CNode* node;
        int width;
        int height;
    } const cases[] = {
        {"no parent", &alone, 800, 600},
        {"the canvas itself", &canvas, 800, 600},
        {"directly under a larger canvas", direct, 800, 600},
        {"under a sized parent", inPanel, 201, 90},
        {"under a script page", inPage, 800, 600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int width = 0, height = 0;
        GetPlacementArea(*c.node, &width, &height);
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(height, c.height);
    }
}

}  // namespace
