// Deep copies of node trees: a node's Clone copies the node alone, these add
// copies of the children, in name order, all the way down.
#pragma once

#include <memory>

class CNode;

// Adds to target a copy of every child of source, recursively.
void CloneChildren(CNode& source, CNode& target);
// A copy of the node with its whole subtree, outside any tree.
std::unique_ptr<CNode> CloneTree(CNode& node);
