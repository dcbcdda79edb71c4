#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "scene/scene_node.h"
#include "test_nodes.h"

namespace {

using Log = std::vector<std::string>;

class Removal : public testing::Test {
protected:
    CLoggingNode& Add(CNode& parent, const std::string& name) {
        auto* node = new CLoggingNode(name, log);
        EXPECT_TRUE(parent.AddChild(name, node));
        node->Reset();
        return *node;
    }
    Log Take() {
        Log taken;
        taken.swap(log);
        return taken;
    }
    int Count(const std::string& entry) const {
        return static_cast<int>(std::count(log.begin(), log.end(), entry));
    }

    Log log;
    CSceneNode root{0, 0, 0};
};

TEST_F(Removal, HandlersThatRemoveDuringAPatternWalk) {
    struct Case {
        const char* removes;  // path from the node B, during its message
        Log walk;
    };
    const std::vector<Case> cases = {
        // B removes itself: the walk goes on to C.
        {"", {"A msg m", "B msg m", "B detach", "B deactivate", "C msg m", "D msg m"}},
        // B removes its next sibling: the walk stops there.
        {"../C", {"A msg m", "B msg m", "C detach", "C deactivate"}},
        // B removes its previous sibling: the walk goes on.
        {"../A", {"A msg m", "B msg m", "A detach", "A deactivate", "C msg m", "D msg m"}},
    };
    for (const Case& c : cases) {
        CSceneNode tree(0, 0, 0);
        for (const char* name : {"A", "B", "C", "D"}) Add(tree, name);
        const std::string removes = c.removes;
        static_cast<CLoggingNode*>(tree.FindNode("B"))->onMessage = [&](CLoggingNode& self) {
            self.RemoveAt(removes);
        };
        Take();
        tree.Request("*", "m");
        EXPECT_EQ(Take(), c.walk) << "removing '" << removes << "'";
        // The removed node lives until the next purge.
        tree.PurgeRemoved();
        EXPECT_EQ(Take().size(), 1u);
        EXPECT_EQ(tree.GetChildren().size(), 3u);
    }
}

TEST_F(Removal, RemoveAtReachesByNamePatternAndParent) {
    CLoggingNode& group = Add(root, "Group");
    Add(group, "Btn1");
    Add(group, "Btn10");
    Add(group, "btn2");
    Add(root, "Other");
    CLoggingNode& leaf = Add(*root.FindNode("Other"), "Leaf");
    Take();

    root.RemoveAt("Group/Btn*");
    EXPECT_EQ(Take(), (Log{"Btn1 detach", "Btn1 deactivate", "Btn10 detach", "Btn10 deactivate"}));
    EXPECT_EQ(group.GetChildren().size(), 1u);

    root.RemoveAt("Missing");
    root.RemoveAt("Group/Missing/X");
    root.RemoveAt("../Group");
    EXPECT_TRUE(Take().empty());

    leaf.RemoveAt("..");  // removes its parent, Other
    EXPECT_EQ(Take(), (Log{"Other detach", "Leaf detach", "Other deactivate", "Leaf deactivate"}));
    EXPECT_FALSE(root.HasNodeAt("Other"));

    root.RemoveAt("");  // a root has no parent
    group.RemoveChild(&group);  // not its child
    EXPECT_TRUE(Take().empty());
    root.RemoveChild(&group);
    EXPECT_EQ(Take(), (Log{"Group detach", "btn2 detach", "Group deactivate", "btn2 deactivate"}));
    EXPECT_TRUE(root.GetChildren().empty());
    root.PurgeRemoved();
    EXPECT_EQ(Count("Group delete") + Count("Other delete") + Count("Btn1 delete"), 3);
}

TEST_F(Removal, ANameDeletedAndCreatedAgainInOneFrame) {
    CLoggingNode& old = Add(root, "A");
    root.RemoveAt("A");
    CLoggingNode& fresh = Add(root, "A");
    EXPECT_EQ(root.FindNode("A"), &fresh);
    EXPECT_NE(&old, &fresh);
    Take();
    root.PurgeRemoved();
    EXPECT_EQ(Take(), (Log{"A delete"}));
    EXPECT_EQ(root.FindNode("A"), &fresh);
}

TEST_F(Removal, ANodeInARemovedGroupIsDetachedOnce) {
    CLoggingNode& group = Add(root, "Group");
    CLoggingNode& button = Add(group, "Button");
    Add(button, "Label");
    root.RemoveAt("Group");
    root.PurgeRemoved();
    EXPECT_EQ(Count("Group detach"), 1);
    EXPECT_EQ(Count("Button detach"), 1);
    EXPECT_EQ(Count("Label detach"), 1);
    EXPECT_EQ(Count("Button deactivate"), 1);
    EXPECT_EQ(Count("Label delete"), 1);
    EXPECT_EQ(Count("Group delete"), 1);
}

TEST_F(Removal, ANodeDetachedAndResetIsDetachedAgainWhenRemoved) {
    CLoggingNode& group = Add(root, "Group");
    Add(group, "Button");
    group.Detach();  // as a closing scene detaches its canvas
    group.Reset();   // and an opening one resets it
    Take();
    root.RemoveAt("Group");
    EXPECT_EQ(Count("Group detach"), 1);
    EXPECT_EQ(Count("Button detach"), 1);
}

TEST_F(Removal, ClearingANodeInTheTreeDetachesItsChildrenOnce) {
    CLoggingNode& group = Add(root, "Group");
    Add(group, "Button");
    Add(*group.FindNode("Button"), "Label");
    Take();
    group.Clear();
    EXPECT_EQ(Take(), (Log{"Button detach", "Label detach", "Button deactivate",
                           "Label deactivate", "Button delete", "Label delete"}));
    EXPECT_FALSE(group.IsLive());
    EXPECT_TRUE(group.GetChildren().empty());
}

TEST_F(Removal, ClearAndPurgeDeleteTheRemovedNodes) {
    CLoggingNode& group = Add(root, "Group");
    Add(group, "Inner");
    CLoggingNode& kept = Add(group, "Kept");
    Add(kept, "Deep");
    group.RemoveAt("Inner");
    kept.RemoveAt("Deep");
    Take();
    // A purge reaches the removed sets down the tree.
    root.PurgeRemoved();
    EXPECT_EQ(Take(), (Log{"Inner delete", "Deep delete"}));
    group.RemoveAt("Kept");
    Take();
    group.Clear();
    EXPECT_EQ(Take(), (Log{"Kept delete"}));
}

}  // namespace
