// The path operations of CNode: adding, finding, removing and addressing
// nodes by slash paths with "*" patterns and "..".
#include <algorithm>

#include "platform/error_report.h"
#include "scene/node.h"
#include "scene/node_path.h"

namespace {

constexpr int kPlaceAddWildcard = 451;
constexpr int kPlaceAddNameTaken = 467;
constexpr int kPlaceAddMissingNode = 497;
constexpr int kPlaceEmptyMessage = 653;
constexpr int kPlaceFindWildcard = 670;
constexpr int kPlacePositionWildcard = 780;
constexpr int kPlacePositionMissingNode = 789;

[[noreturn]] void NodeError(int place) { ErrorReport(ErrorKind::Internal, kModuleNode, place); }

}  // namespace

template <class Visit>
bool CNode::VisitNodesAt(const std::string& path, Visit& visit) {
    if (path.empty()) return visit(*this);
    std::string head, tail;
    SplitPath(path, head, tail);
    if (IsParentComponent(head)) return parent_ && parent_->VisitNodesAt(tail, visit);
    if (HasWildcard(head)) {
        bool done = false;
        VisitChildren([&](const std::string& name, CNode* child) {
            if (WildcardMatch(head, name) && child->VisitNodesAt(tail, visit)) done = true;
            return !done;
        });
        return done;
    }
    const auto entry = children_.find(head);
    return entry != children_.end() && entry->second->VisitNodesAt(tail, visit);
}

bool CNode::AddChild(std::string path, CNode* child) {
    std::string head, tail;
    SplitPath(path, head, tail);
    if (HasWildcard(head)) NodeError(kPlaceAddWildcard);
    if (IsParentComponent(head)) return parent_ && parent_->AddChild(tail, child);
    if (!tail.empty()) {
        const auto entry = children_.find(head);
        if (entry == children_.end()) NodeError(kPlaceAddMissingNode);
        return entry->second->AddChild(tail, child);
    }
    if (children_.count(head) != 0) NodeError(kPlaceAddNameTaken);
    child->parent_ = this;
    child->TakeLinksFrom(this);
    InsertIntoZOrder(children_.emplace(head, child).first);
    return true;
}

void CNode::RemoveAt(std::string path) {
    if (path.empty()) {
        if (parent_) parent_->RemoveChild(this);
        return;
    }
    std::string head, tail;
    SplitPath(path, head, tail);
    if (IsParentComponent(head)) {
        if (parent_) parent_->RemoveAt(tail);
        return;
    }
    if (HasWildcard(head)) {
        VisitChildren([&](const std::string& name, CNode* child) {
            if (!WildcardMatch(head, name)) return true;
            if (tail.empty()) {
                RemoveChildAt(children_.find(name));
            } else {
                child->RemoveAt(tail);
            }
            return true;
        });
        return;
    }
    const auto entry = children_.find(head);
    if (entry == children_.end()) return;
    if (tail.empty()) {
        RemoveChildAt(entry);
    } else {
        entry->second->RemoveAt(tail);
    }
}

void CNode::Request(std::string path, std::string message) {
    if (message.empty()) NodeError(kPlaceEmptyMessage);
    auto deliver = [&message](CNode& node) {
        node.ReceiveMessage(message);
        return false;
    };
    VisitNodesAt(path, deliver);
}

void CNode::ApplyCommandAt(std::string path, CScriptCommand* command) {
    auto apply = [command](CNode& node) {
        node.ApplyCommand(command);
        return false;
    };
    VisitNodesAt(path, apply);
}

bool CNode::HasNodeAt(std::string path) {
    auto found = [](CNode&) { return true; };
    return VisitNodesAt(path, found);
}

bool CNode::IsAnimatingAt(std::string path, AnimatorSelector which) {
    auto animating = [which](CNode& node) { return node.IsAnimating(which); };
    return VisitNodesAt(path, animating);
}

unsigned CNode::GetAnimationTimeLeftAt(std::string path, AnimatorSelector which) {
    unsigned longest = 0;
    auto measure = [which, &longest](CNode& node) {
        longest = std::max(longest, node.GetAnimationTimeLeft(which));
        return false;
    };
    VisitNodesAt(path, measure);
    return longest;
}

CNode* CNode::FindNode(std::string path) {
    if (HasWildcard(path)) NodeError(kPlaceFindWildcard);
    CNode* node = this;
    while (!path.empty()) {
        std::string head, tail;
        SplitPath(path, head, tail);
        const auto entry = node->children_.find(head);
        if (entry == node->children_.end()) return nullptr;
        node = entry->second;
        path.swap(tail);
    }
    return node;
}

void CNode::GetPositionAt(std::string path, int* x, int* y) {
    if (HasWildcard(path)) NodeError(kPlacePositionWildcard);
    if (path.empty()) {
        // The origin mapped through the placement: x and y truncated, held
        // inside the int range.
        *x = 0;
        *y = 0;
        placement_.MapPoint(*x, *y);
        return;
    }
    std::string head, tail;
    SplitPath(path, head, tail);
    const auto entry = children_.find(head);
    if (entry == children_.end()) NodeError(kPlacePositionMissingNode);
    entry->second->GetPositionAt(tail, x, y);
    CTransform2D own = placement_;
    GetTransform(&own)->MapPoint(*x, *y);
}
