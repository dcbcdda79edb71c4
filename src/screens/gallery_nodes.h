// Small helpers of the gallery's node building.
#pragma once

#include <cstdio>
#include <string>

#include "scene/node.h"

namespace gallery_nodes {

// Adds the node under the path of parent and brings it into the tree.
template <class Node>
Node* AddNode(CNode* parent, const std::string& path, Node* node) {
    parent->AddChild(path, node);
    node->Reset();
    return node;
}

// The number written into a printf format: "Data%02d", "Work%04d".
inline std::string Numbered(const char* format, int value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

inline std::string DataName(int place) { return Numbered("Data%02d", place); }
inline std::string InfoName(int place) { return Numbered("Info%02d", place); }
inline std::string WorkName(int number) { return Numbered("Work%04d", number); }

}  // namespace gallery_nodes
