// The hit tests of CNode: the point is in the root's parent's coordinates
// and each node passes its children the parent transform composed with its
// own. A node whose hit test is disabled hides its whole subtree.
#include "scene/node.h"
#include "scene/node_path.h"

bool CNode::HitTestPath(double x, double y, CTransform2D parent, std::string* path) {
    if (!hitEnabled_) return false;
    // Most nodes of a tree are leaves: they need no transform for children.
    if (!zOrder_.empty()) {
        const CTransform2D composed = ChildTransform(parent);
        for (size_t i = zOrder_.size(); i-- > 0;) {
            const ChildMap::iterator entry = zOrder_[i];
            if (entry->second->HitTestPath(x, y, composed, path)) {
                *path = path->empty() ? entry->first : entry->first + "/" + *path;
                return true;
            }
        }
    }
    return HitTestSelf(x, y, parent);
}

bool CNode::IsHit(double x, double y, CTransform2D parent) {
    if (!hitEnabled_) return false;
    if (HitTestSelf(x, y, parent)) return true;
    const CTransform2D composed = ChildTransform(parent);
    bool hit = false;
    VisitChildren([&](const std::string&, CNode* child) {
        hit = child->IsHit(x, y, composed);
        return !hit;
    });
    return hit;
}

bool CNode::IsHitAt(std::string path, double x, double y, CTransform2D parent) {
    if (!hitEnabled_) return false;
    if (path.empty()) return IsHit(x, y, parent);
    std::string head, tail;
    SplitPath(path, head, tail);
    if (IsParentComponent(head)) return parent_ && parent_->IsHitAt(tail, x, y, parent);
    const CTransform2D composed = ChildTransform(parent);
    if (HasWildcard(head)) {
        bool hit = false;
        VisitChildren([&](const std::string& name, CNode* child) {
            hit = WildcardMatch(head, name) && child->IsHitAt(tail, x, y, composed);
            return !hit;
        });
        return hit;
    }
    const auto entry = children_.find(head);
    return entry != children_.end() && entry->second->IsHitAt(tail, x, y, composed);
}

bool CNode::IsHitFirst(std::string pattern, double x, double y, CTransform2D parent) {
    if (!hitEnabled_) return false;
    std::string head, tail;
    SplitPath(pattern, head, tail);
    const CTransform2D composed = ChildTransform(parent);
    for (size_t i = zOrder_.size(); i-- > 0;) {
        const ChildMap::iterator entry = zOrder_[i];
        const bool matches = WildcardMatch(head, entry->first);
        const bool hit = matches && !tail.empty() ? entry->second->IsHitFirst(tail, x, y, composed)
                                                  : entry->second->IsHit(x, y, composed);
        if (hit) return matches;
    }
    return HitTestSelf(x, y, parent);
}
