#include "scene/composite/hit_node.h"

#include "scene/drawn_node_rules.h"

CHitNode::CHitNode(int x, int y, int z, int width, int height)
    : CSceneNode(x, y, z), width_(width), height_(height) {}

CHitNode::CHitNode(const CHitNode& other) : CSceneNode(other), width_(other.width_), height_(other.height_) {}

CNode* CHitNode::Clone() { return new CHitNode(*this); }

int CHitNode::GetNodeKind() { return kNodeKindHit; }

bool CHitNode::HitTestSelf(double x, double y, CTransform2D parent) {
    if (!IsHitEnabled()) return false;
    ComposedPlacement(*this, parent).InverseMapPoint(x, y);
    return x >= 0 && x < width_ && y >= 0 && y < height_;
}
