#include "scene/composite/frame_node.h"

#include <memory>
#include <utility>

#include "scene/composite/outline_node.h"
#include "scene/window_node.h"

namespace {

// Resets the child and adds it under the name; a child that could not be
// added is deleted.
void AddReset(CNode& parent, const char* name, std::unique_ptr<CNode> child) {
    child->Reset();
    if (parent.AddChild(name, child.get())) child.release();
}

}  // namespace

CFrameNode::CFrameNode(int x, int y, int z, std::string file, int style, Color32 color, int thickness)
    : CImageNode(x, y, z, std::move(file), 0), color_(color), thickness_(thickness), style_(style) {}

CFrameNode::CFrameNode(const CFrameNode& other)
    : CImageNode(other), color_(other.color_), thickness_(other.thickness_), style_(other.style_) {}

CNode* CFrameNode::Clone() { return new CFrameNode(*this); }

int CFrameNode::GetNodeKind() { return kNodeKindFrame; }

void CFrameNode::Reset() {
    CImageNode::Reset();
    int width = 0;
    int height = 0;
    GetSize(&width, &height);
    AddReset(*this, "Window", std::make_unique<CWindowNode>(0, 0, 0, width, height, true));
    AddReset(*this, "Outline",
             std::make_unique<COutlineNode>(0, 0, 0, width, height, style_, color_, thickness_));
}
