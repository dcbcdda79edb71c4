#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "graphics/memory_surface.h"
#include "node_errors.h"
#include "platform/sjis.h"
#include "scene/node_path.h"
#include "scene/scene_node.h"
#include "test_nodes.h"

namespace {

const CTransform2D kIdentity(0, 0, 1, 1, 1, 0);

// Two-byte names whose second byte is "/" or "*".
const std::string kSlashName = MakeStringFromChars(0x83, '/', 0);
const std::string kStarName = MakeStringFromChars(0x83, '*', 0);

TEST(WildcardMatch, PatternsAgainstNames) {
    struct Case {
        std::string pattern;
        std::string name;
        bool matches;
    };
    const std::vector<Case> cases = {
        {"*", "Btn1", true},
        {"*", "", true},
        {"Btn*", "Btn1", true},
        {"Btn*", "Btn10", true},
        {"Btn*", "btn2", false},
        {"Btn*", "Bt", false},
        {"*a", "aba", false},  // the segment binds to its first "a"
        {"*a", "ba", true},
        {"*a", "", false},
        {"a*", "a", true},
        {"", "", true},
        {"", "a", false},
        {"abc", "abc", true},
        {"abc", "abcd", false},
        {"a*c", "abbc", true},
        {"a*b*c", "aXbYc", true},
        {"a*b*c", "aXcYb", false},
        {"**", "x", true},
        {"*A", MakeStringFromChars(0x83, 'A', 0), false},
        {"*A", MakeStringFromChars(0x83, 'A', 'A', 0), true},
        {kStarName, kStarName, true},
        {kStarName, MakeStringFromChars(0x83, 'x', 0), false},
        {kStarName + "*", kStarName + "x", true},
        {"*" + kSlashName, "x" + kSlashName, true},
        {"*" + MakeStringFromChars(0x41, 0x83, 0), MakeStringFromChars(0x83, 0x41, 0x83, 0x41, 0),
         false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.matches)
            << "'" << c.pattern << "' against '" << c.name << "'";
    }
}

TEST(SplitPath, HeadAndTailAtTheFirstSingleByteSlash) {
    struct Case {
        std::string path, head, tail;
    };
    const std::vector<Case> cases = {
        {"A", "A", ""},       {"A/B/C", "A", "B/C"},          {"A/", "A", ""},
        {"/A", "", "A"},      {kSlashName + "/B", kSlashName, "B"}, {kSlashName, kSlashName, ""},
    };
    for (const Case& c : cases) {
        std::string head, tail;
        SplitPath(c.path, head, tail);
        EXPECT_EQ(head, c.head) << c.path;
        EXPECT_EQ(tail, c.tail) << c.path;
    }
    EXPECT_TRUE(HasWildcard("A*"));
    EXPECT_FALSE(HasWildcard(kStarName));
}

// A root with logging children added in the order given.
class PathTree : public testing::Test {
protected:
    CLoggingNode& Add(CNode& parent, const std::string& path, const std::string& label, int z = 0) {
        auto* node = new CLoggingNode(label, log, z);
        EXPECT_TRUE(parent.AddChild(path, node));
        node->Reset();
        return *node;
    }
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(log);
        return taken;
    }

    std::vector<std::string> log;
    CSceneNode root{0, 0, 0};
};

TEST_F(PathTree, DrawingOrderFollowsZThenAdditionAndSetChildOrder) {
    Add(root, "A", "A");
    Add(root, "B", "B");
    Add(root, "C", "C");
    Add(root, "D", "D", -1);
    CMemorySurface surface;
    ASSERT_EQ(surface.Create(1, 1), 0);
    root.Draw(surface, kIdentity, nullptr);
    EXPECT_EQ(Take(), (std::vector<std::string>{"D draw", "A draw", "B draw", "C draw"}));

    root.SetChildOrder("A", 0);
    root.SetChildOrder("missing", 5);
    root.Draw(surface, kIdentity, nullptr);
    EXPECT_EQ(Take(), (std::vector<std::string>{"D draw", "B draw", "C draw", "A draw"}));
    EXPECT_EQ(root.FindNode("A")->GetZ(), 0);

    root.SetChildOrder("D", 1);
    root.Draw(surface, kIdentity, nullptr);
    EXPECT_EQ(Take(), (std::vector<std::string>{"B draw", "C draw", "A draw", "D draw"}));
}

TEST_F(PathTree, RequestReachesTheNodesOfThePath) {
    CLoggingNode& a = Add(root, "A", "A");
    Add(a, "B", "A/B");
    Add(root, "Btn10", "Btn10");
    Add(root, "Btn1", "Btn1");
    Add(root, "btn2", "btn2");
    Add(root, kSlashName, "slash");
    Add(root, kStarName, "star");
    Take();
    struct Case {
        std::string path;
        std::vector<std::string> reached;
    };
    const std::vector<Case> cases = {
        {"*", {"A", "Btn1", "Btn10", "btn2", "star", "slash"}},  // second bytes 0x2A, 0x2F
        {"Btn*", {"Btn1", "Btn10"}},
        {"A", {"A"}},
        {"A/", {"A"}},
        {"A/B", {"A/B"}},
        {"*/B", {"A/B"}},
        {"A/B/..", {"A"}},
        {"A/../Btn1", {"Btn1"}},
        {"../X", {}},
        {"..", {}},
        {"Missing", {}},
        {"A/Missing", {}},
        {"/A", {}},
        {kSlashName, {"slash"}},
        {kStarName, {"star"}},
        {kSlashName + "/", {"slash"}},
    };
    for (const Case& c : cases) {
        root.Request(c.path, "m");
        std::vector<std::string> expected;
        for (const std::string& label : c.reached) expected.push_back(label + " msg m");
        EXPECT_EQ(Take(), expected) << "path '" << c.path << "'";
    }
}

TEST_F(PathTree, RequestToTheNodeItselfAndTheEmptyMessage) {
    CLoggingNode* top = new CLoggingNode("top", log);
    CSceneNode holder(0, 0, 0);
    holder.AddChild("top", top);
    top->Request("", "hello");
    EXPECT_EQ(Take(), (std::vector<std::string>{"top msg hello"}));
    ExpectNodeError(653, [&] { top->Request("", ""); });
    ExpectNodeError(653, [&] { holder.Request("missing", ""); });
}

TEST_F(PathTree, HasNodeAtFindNodeAndFullPaths) {
    CLoggingNode& a = Add(root, "A", "A");
    CLoggingNode& b = Add(a, "B", "B");
    Add(root, kStarName, "star");
    struct Case {
        CNode* from;
        std::string path;
        bool has;
        CNode* found;
    };
    const std::vector<Case> cases = {
        {&root, "", true, &root},      {&root, "A", true, &a},     {&root, "A/", true, &a},
        {&root, "A/B", true, &b},      {&root, "Z", false, nullptr}, {&root, "A/Z", false, nullptr},
        {&root, "..", false, nullptr}, {&a, "..", true, nullptr},   {&b, "../..", true, nullptr},
        {&root, kStarName, true, root.GetChildren().at(kStarName)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.from->HasNodeAt(c.path), c.has) << "'" << c.path << "'";
        EXPECT_EQ(c.from->FindNode(c.path), c.found) << "'" << c.path << "'";
    }
    EXPECT_TRUE(root.HasNodeAt("*"));
    EXPECT_TRUE(root.HasNodeAt("*/B"));
    EXPECT_FALSE(root.HasNodeAt("x*"));
    ExpectNodeError(670, [&] { root.FindNode("*"); });
    ExpectNodeError(670, [&] { root.FindNode("A/*"); });

    EXPECT_EQ(root.GetFullPath(), "");
    EXPECT_EQ(a.GetFullPath(), "A");
    EXPECT_EQ(b.GetFullPath(), "A/B");
    EXPECT_EQ(root.GetChildName(&a), "A");
    ExpectNodeError(699, [&] { root.GetChildName(&b); });
}

TEST_F(PathTree, GetPositionAtMapsThroughThePlacements) {
    CSceneNode* a = new CSceneNode(10, 20, 0);
    root.AddChild("A", a);
    a->SetZoom(2, 2);
    a->AddChild("B", new CSceneNode(5, 5, 0));
    int x = 0;
    int y = 0;
    root.GetPositionAt("A/B", &x, &y);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(y, 30);
    root.GetPositionAt("A", &x, &y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
    a->SetPosition(-2.7, 3.9);
    a->GetPositionAt("", &x, &y);
    EXPECT_EQ(x, -2);
    EXPECT_EQ(y, 3);
    a->SetPosition(1e12, -1e12);  // held inside the int range
    a->GetPositionAt("", &x, &y);
    EXPECT_EQ(x, 2147483647);
    EXPECT_EQ(y, -2147483647 - 1);
    ExpectNodeError(780, [&] { root.GetPositionAt("A/*", &x, &y); });
    ExpectNodeError(789, [&] { root.GetPositionAt("Z", &x, &y); });
    ExpectNodeError(789, [&] { root.GetPositionAt("A/Z", &x, &y); });
    ExpectNodeError(789, [&] { a->GetPositionAt("..", &x, &y); });
}

TEST_F(PathTree, AddChildPlacesAndRefuses) {
    CLoggingNode& a = Add(root, "A", "A");
    Add(root, "A/B", "B");
    EXPECT_EQ(root.FindNode("A/B")->GetParent(), &a);
    Add(a, "../C", "C");
    EXPECT_EQ(root.FindNode("C")->GetParent(), &root);
    Add(root, kSlashName, "slash");
    Add(root, kSlashName + "/" + kStarName, "nested");
    EXPECT_EQ(root.FindNode(kSlashName + "/" + kStarName)->GetFullPath(),
              kSlashName + "/" + kStarName);

    // ".." above a root inserts nothing; the caller keeps the node.
    std::unique_ptr<CSceneNode> dropped(new CSceneNode(0, 0, 0));
    EXPECT_FALSE(root.AddChild("../X", dropped.get()));
    EXPECT_EQ(dropped->GetParent(), nullptr);
    EXPECT_FALSE(root.HasNodeAt("X"));

    std::unique_ptr<CSceneNode> extra(new CSceneNode(0, 0, 0));
    ExpectNodeError(451, [&] { root.AddChild("X*", extra.get()); });
    ExpectNodeError(451, [&] { root.AddChild("A/*", extra.get()); });
    ExpectNodeError(497, [&] { root.AddChild("Z/X", extra.get()); });
    ExpectNodeError(467, [&] { root.AddChild("A", extra.get()); });
    ExpectNodeError(467, [&] { root.AddChild("A/B", extra.get()); });
    EXPECT_EQ(extra->GetParent(), nullptr);
}

TEST_F(PathTree, AddChildHandsOwnerAndSceneDownTheInsertedSubtree) {
    int host = 0;
    int scene = 0;
    CScriptHost* owner = reinterpret_cast<CScriptHost*>(&host);
    CScene* canvasScene = reinterpret_cast<CScene*>(&scene);
    root.SetOwner(owner);
    root.SetScene(canvasScene);
    // A group that built its children before it was put into the tree.
    auto* group = new CSceneNode(0, 0, 0);
    auto* inner = new CSceneNode(0, 0, 0);
    group->AddChild("Inner", inner);
    inner->AddChild("Leaf", new CSceneNode(0, 0, 0));
    EXPECT_EQ(inner->GetOwner(), nullptr);
    ASSERT_TRUE(root.AddChild("Group", group));
    for (CNode* node : {static_cast<CNode*>(group), root.FindNode("Group/Inner"),
                        root.FindNode("Group/Inner/Leaf")}) {
        EXPECT_EQ(node->GetOwner(), owner) << node->GetFullPath();
        EXPECT_EQ(node->GetScene(), canvasScene) << node->GetFullPath();
    }
}

}  // namespace
