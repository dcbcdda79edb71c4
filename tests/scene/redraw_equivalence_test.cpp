// Random frames of moves, unrotated zooms, fades, order changes, additions
// and removals over rectangle nodes (some in groups) on an opaque full-frame
// bottom node: after every frame the incrementally drawn target must equal
// a full redraw of the tree.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "redraw_fixture.h"
#include "support/redraw_oracle.h"
#include "support/tree_dump.h"

namespace {

class RedrawEquivalence : public RedrawFixture {
protected:
    int Random(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    // A node among the bottom's siblings and the groups' children, or null.
    CNode* PickNode() {
        std::vector<CNode*> nodes;
        for (const auto& entry : root.GetChildren()) {
            if (entry.first == "Bottom") continue;
            nodes.push_back(entry.second);
            for (const auto& inner : entry.second->GetChildren()) nodes.push_back(inner.second);
        }
        return nodes.empty() ? nullptr : nodes[Random(0, static_cast<int>(nodes.size()) - 1)];
    }

    void AddRandomNode() {
        const std::string name = "N" + std::to_string(next++);
        CNode* parent = &root;
        if (Random(0, 3) == 0) {
            const std::string group = "G" + std::to_string(Random(0, 2));
            if (!root.HasNodeAt(group)) {
                Add(root, group, new CSceneNode(Random(-50, 200), Random(-50, 200), Random(0, 5)));
            }
            parent = root.FindNode(group);
        }
        const Color32 colour = static_cast<Color32>(random()) & 0xFFFFFF;
        AddRect(*parent, name, Random(-40, 780), Random(-40, 580), Random(0, 5), Random(1, 160),
                Random(1, 120), colour, Random(0, 1) == 1);
    }

    void RandomChange() {
        CNode* node = PickNode();
        const int action = node ? Random(0, 6) : 6;
        switch (action) {
            case 0: node->SetPosition(Random(-40, 780), Random(-40, 580)); break;
            case 1: node->SetZoom(Random(0, 8) / 4.0, Random(0, 8) / 4.0); break;
            case 2: node->SetOpacity(Random(0, 4) / 4.0); break;
            case 3: node->GetParent()->SetChildOrder(node->GetParent()->GetChildName(node),
                                                     Random(0, 5));
                break;
            case 4: node->RemoveAt(""); break;
            case 5: node->SetPosition(node->GetPlacement().x + Random(-8, 8),
                                      node->GetPlacement().y + Random(-8, 8));
                break;
            default: AddRandomNode(); break;
        }
    }

    std::mt19937 random{20261210};
    int next = 0;
};

TEST_F(RedrawEquivalence, IncrementalFramesEqualAFullRedraw) {
    AddRect(root, "Bottom", 0, 0, -1, 800, 600, 0x203040, true);
    for (int i = 0; i < 12; ++i) AddRandomNode();
    for (int frame = 0; frame < 150; ++frame) {
        const int changes = Random(1, 4);
        for (int i = 0; i < changes; ++i) RandomChange();
        Frame();
        ASSERT_TRUE(MatchesFullRedraw(root, target)) << "frame " << frame;
    }
}

}  // namespace
