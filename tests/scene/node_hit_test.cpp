#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scene/scene_node.h"
#include "test_nodes.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// Back (0, 0)-(100, 100) under Front (50, 50)-(150, 150), whose child Inner
// covers (60, 60)-(80, 80) on the screen; Group at (200, 0) holds Btn,
// (200, 0)-(250, 50) on the screen.
class HitTree : public testing::Test {
protected:
    HitTree() {
        Add(root, "Back", new CRectNode(0, 0, 0, 100, 100, 0, true));
        front = Add(root, "Front", new CRectNode(50, 50, 1, 100, 100, 0, true));
        Add(*front, "Inner", new CRectNode(10, 10, 0, 20, 20, 0, true));
        CNode* group = Add(root, "Group", new CSceneNode(200, 0, 0));
        Add(*group, "Btn", new CRectNode(0, 0, 0, 50, 50, 0, true));
    }
    static CNode* Add(CNode& parent, const std::string& name, CNode* child) {
        EXPECT_TRUE(parent.AddChild(name, child));
        child->Reset();
        return child;
    }
    std::string PathAt(double x, double y) {
        std::string path;
        return root.HitTestPath(x, y, kIdentity, &path) ? path : "(none)";
    }

    CSceneNode root{0, 0, 0};
    CNode* front = nullptr;
};

TEST_F(HitTree, HitTestPathFindsTheTopmostNode) {
    struct Case {
        double x, y;
        std::string path;
    };
    const std::vector<Case> cases = {
        {75, 75, "Front/Inner"}, {55.9, 55, "Front"}, {25, 25, "Back"}, {225, 25, "Group/Btn"},
        {150, 150, "(none)"},    {500, 500, "(none)"},
    };
    for (const Case& c : cases) {
        const std::string path = PathAt(c.x, c.y);
        EXPECT_EQ(path, c.path) << c.x << ", " << c.y;
        if (path != "(none)") {
            EXPECT_EQ(root.FindNode(path)->GetFullPath(), path);
        }
    }
    // A root that is hit itself answers the empty path.
    CRectNode single(0, 0, 0, 10, 10, 0, true);
    std::string path;
    EXPECT_TRUE(single.HitTestPath(5, 5, kIdentity, &path));
    EXPECT_EQ(path, "");
}

TEST_F(HitTree, ADisabledNodeHidesItsSubtree) {
    front->SetHitEnabled(false);
    EXPECT_EQ(PathAt(75, 75), "Back");
    EXPECT_EQ(PathAt(120, 120), "(none)");
    EXPECT_FALSE(root.IsHit(120, 120, kIdentity));
    EXPECT_FALSE(root.IsHitAt("Front/Inner", 75, 75, kIdentity));
    EXPECT_FALSE(front->IsHitFirst("Inner", 75, 75, kIdentity));
    front->SetHitEnabled(true);
    EXPECT_TRUE(root.IsHit(120, 120, kIdentity));
}

TEST_F(HitTree, IsHitAtWalksPatternsAndTheParent) {
    struct Case {
        std::string path;
        double x, y;
        bool hit;
    };
    const std::vector<Case> cases = {
        {"", 225, 25, true},        {"", 500, 500, false},        {"Front", 55, 55, true},
        {"Front/Inner", 55, 55, false}, {"Front/Inner", 75, 75, true}, {"*", 225, 25, true},
        {"B*", 25, 25, true},       {"B*", 225, 25, false},       {"*/Btn", 225, 25, true},
        {"Missing", 25, 25, false}, {"..", 25, 25, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(root.IsHitAt(c.path, c.x, c.y, kIdentity), c.hit)
            << "'" << c.path << "' at " << c.x << ", " << c.y;
    }
    EXPECT_TRUE(front->IsHitAt("../Back", 25, 25, kIdentity));
    EXPECT_FALSE(front->IsHitAt("../Group", 25, 25, kIdentity));
}

TEST_F(HitTree, IsHitFirstIsDecidedByTheTopmostHitChild) {
    struct Case {
        std::string pattern;
        double x, y;
        bool first;
    };
    const std::vector<Case> cases = {
        {"Front", 75, 75, true},
        {"Back", 75, 75, false},  // Front lies over Back there
        {"Back", 25, 25, true},
        {"B*", 25, 25, true},
        {"Front/Inner", 75, 75, true},
        // Front matches but Inner is not hit: Front itself is, and decides.
        {"Front/Inner", 55, 55, true},
        // Front matches and is not hit: passed over; Back decides.
        {"Front/Inner", 25, 25, false},
        {"Group/*", 225, 25, true},
        {"Front", 500, 500, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(root.IsHitFirst(c.pattern, c.x, c.y, kIdentity), c.first)
            << "'" << c.pattern << "' at " << c.x << ", " << c.y;
    }
}

TEST_F(HitTree, ChildrenAreHitUnderTheComposedPlacement) {
    root.FindNode("Group")->SetZoom(2, 2);  // Btn now covers (200, 0)-(300, 100)
    EXPECT_EQ(PathAt(290, 90), "Group/Btn");
    EXPECT_TRUE(root.IsHitAt("Group/Btn", 290, 90, kIdentity));
    const CTransform2D shifted(-100, 0, 1, 1, 1, 0);
    EXPECT_TRUE(root.IsHitAt("Group/Btn", 190, 90, shifted));
    EXPECT_FALSE(root.IsHitAt("Group/Btn", 290, 90, shifted));
}

}  // namespace
