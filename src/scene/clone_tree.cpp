#include "scene/clone_tree.h"

#include "scene/node.h"

void CloneChildren(CNode& source, CNode& target) {
    for (const auto& entry : source.GetChildren()) {
        std::unique_ptr<CNode> copy = CloneTree(*entry.second);
        target.AddChild(entry.first, copy.get());
        copy.release();
    }
}

std::unique_ptr<CNode> CloneTree(CNode& node) {
    std::unique_ptr<CNode> copy(node.Clone());
    CloneChildren(node, *copy);
    return copy;
}
