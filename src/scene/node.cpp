#include "scene/node.h"

#include <algorithm>

#include "platform/error_report.h"
#include "scene/rect_math.h"

namespace {

constexpr int kPlaceChildName = 699;

}  // namespace

CNode::CNode(int x, int y, int z)
    : live_(0),
      deactivated_(0),
      hitEnabled_(1),
      placement_(x, y, 1.0, 1.0, 1.0, 0.0),
      z_(z),
      timeScale_(1.0),
      dirty_(0),
      dirtyRect_(EmptyRect()),
      drawnRect_(EmptyRect()),
      committedRect_(EmptyRect()),
      scene_(nullptr),
      owner_(nullptr),
      parent_(nullptr),
      childErasures_(0),
      detached_(false) {}

CNode::CNode(const CNode& other)
    : live_(other.live_),
      deactivated_(other.deactivated_),
      hitEnabled_(other.hitEnabled_),
      placement_(other.placement_),
      z_(other.z_),
      timeScale_(other.timeScale_),
      dirty_(other.dirty_),
      dirtyRect_(other.dirtyRect_),
      drawnRect_(other.drawnRect_),
      committedRect_(other.committedRect_),
      redrawList_(other.redrawList_),
      scene_(other.scene_),
      owner_(other.owner_),
      parent_(other.parent_),
      childErasures_(0),
      detached_(false) {}

CNode::~CNode() {
    CNode::RemoveAllChildren();
    DeleteRemoved();
}

void CNode::Reset() {
    dirty_ = 0;
    dirtyRect_ = EmptyRect();
    drawnRect_ = EmptyRect();
    committedRect_ = EmptyRect();
    redrawList_.clear();
    InvalidateAll();
    live_ = 1;
    deactivated_ = 0;
    MarkInTree();
}

void CNode::Clear() {
    live_ = 0;
    deactivated_ = 0;
    RemoveAllChildren();
    DeleteRemoved();
}

void CNode::Detach() {
    detached_ = true;
    VisitChildren([](const std::string&, CNode* child) {
        child->Detach();
        return true;
    });
}

void CNode::DeleteRemoved() {
    std::set<CNode*> removed;
    removed.swap(removed_);
    for (CNode* node : removed) delete node;
}

void CNode::PurgeRemoved() {
    DeleteRemoved();
    VisitChildren([](const std::string&, CNode* child) {
        child->PurgeRemoved();
        return true;
    });
}

void CNode::Update(int milliseconds) {
    VisitChildren([milliseconds](const std::string&, CNode* child) {
        child->Update(milliseconds);
        return true;
    });
}

void CNode::UpdateTransform(CTransform2D parent) {
    const CTransform2D composed = ChildTransform(parent);
    VisitChildren([&composed](const std::string&, CNode* child) {
        child->UpdateTransform(composed);
        return true;
    });
}

void CNode::Draw(CMemorySurface& target, CTransform2D parent, const RECT* clip) {
    DrawSelf(target, parent, clip);
    const CTransform2D composed = ChildTransform(parent);
    for (size_t i = 0; i < zOrder_.size(); ++i) zOrder_[i]->second->Draw(target, composed, clip);
}

CTransform2D* CNode::GetTransform(CTransform2D* out) {
    *out = placement_;
    return out;
}

CTransform2D CNode::ChildTransform(CTransform2D parent) {
    CTransform2D own = placement_;
    parent.Compose(*GetTransform(&own));
    return parent;
}

void CNode::Deactivate() {
    deactivated_ = 1;
    VisitChildren([](const std::string&, CNode* child) {
        child->Deactivate();
        return true;
    });
}

void CNode::Activate() {
    deactivated_ = 0;
    VisitChildren([](const std::string&, CNode* child) {
        child->Activate();
        return true;
    });
}

void CNode::RemoveChildAt(ChildMap::iterator position) {
    if (position == children_.end()) return;
    CNode* child = position->second;
    const std::string name = position->first;
    child->FlushCommittedRect(&committedRect_);
    SetDirty();
    removed_.insert(child);
    // A child that left the tree with this node was detached then: it is
    // released without a second Detach. The mark is set first, so a handler
    // that removes the child again from inside its Detach does not detach it
    // twice either.
    if (!child->detached_) {
        child->detached_ = true;
        child->Detach();
        child->Deactivate();
    }
    // The handlers may have changed the map: find the entry again.
    EraseFromZOrder(child);
    const auto entry = children_.find(name);
    if (entry != children_.end() && entry->second == child) {
        children_.erase(entry);
        ++childErasures_;
    }
}

std::vector<CNode*> CNode::ChildrenInDrawingOrder() const {
    std::vector<CNode*> children;
    children.reserve(zOrder_.size());
    for (const ChildMap::iterator& entry : zOrder_) children.push_back(entry->second);
    return children;
}

void CNode::RemoveAllChildren() {
    while (!children_.empty()) RemoveChildAt(children_.begin());
    zOrder_.clear();
}

CScriptHost* CNode::GetOwner() { return owner_; }

std::string CNode::GetChildName(CNode* child) const {
    for (const auto& entry : children_) {
        if (entry.second == child) return entry.first;
    }
    ErrorReport(ErrorKind::Internal, kModuleNode, kPlaceChildName);
}

std::string CNode::GetFullPath() const {
    if (!parent_) return std::string();
    const std::string parentPath = parent_->GetFullPath();
    const std::string name = parent_->GetChildName(const_cast<CNode*>(this));
    return parentPath.empty() ? name : parentPath + "/" + name;
}

void CNode::GetPosition(double* x, double* y) const {
    *x = placement_.x;
    *y = placement_.y;
}

void CNode::GetZoom(double* zoomX, double* zoomY) const {
    *zoomX = placement_.zoomX;
    *zoomY = placement_.zoomY;
}

void CNode::SetPosition(double x, double y) {
    if (x == placement_.x && y == placement_.y) return;
    BeginChange();
    placement_.x = x;
    placement_.y = y;
    InvalidateAll();
}

void CNode::SetOpacity(double opacity) {
    opacity = std::min(std::max(opacity, 0.0), 1.0);
    if (opacity == placement_.opacity) return;
    BeginChange();
    placement_.opacity = opacity;
    InvalidateAll();
}

void CNode::SetZoom(double zoomX, double zoomY) {
    zoomX = std::max(zoomX, 0.0);
    zoomY = std::max(zoomY, 0.0);
    if (zoomX == placement_.zoomX && zoomY == placement_.zoomY) return;
    BeginChange();
    placement_.zoomX = zoomX;
    placement_.zoomY = zoomY;
    InvalidateAll();
}

void CNode::SetRotation(double degrees) {
    if (degrees == placement_.rotation) return;
    BeginChange();
    placement_.rotation = degrees;
    InvalidateAll();
}

void CNode::RemoveChild(CNode* child) {
    for (auto it = children_.begin(); it != children_.end(); ++it) {
        if (it->second == child) {
            RemoveChildAt(it);
            return;
        }
    }
}

void CNode::SetChildOrder(std::string name, int z) {
    const auto entry = children_.find(name);
    if (entry == children_.end()) return;
    CNode* child = entry->second;
    child->z_ = z;
    EraseFromZOrder(child);
    InsertIntoZOrder(entry);
    child->InvalidateAll();
}

void CNode::InsertIntoZOrder(ChildMap::iterator entry) {
    const int z = entry->second->z_;
    const auto place = std::upper_bound(
        zOrder_.begin(), zOrder_.end(), z,
        [](int value, ChildMap::iterator other) { return value < other->second->z_; });
    zOrder_.insert(place, entry);
}

void CNode::EraseFromZOrder(CNode* child) {
    zOrder_.erase(std::remove_if(zOrder_.begin(), zOrder_.end(),
                                 [child](ChildMap::iterator e) { return e->second == child; }),
                  zOrder_.end());
}

void CNode::TakeLinksFrom(CNode* parent) {
    owner_ = parent->GetOwner();
    scene_ = parent->scene_;
    detached_ = false;
    for (const auto& entry : children_) entry.second->TakeLinksFrom(this);
}

void CNode::MarkInTree() {
    detached_ = false;
    for (const auto& entry : children_) entry.second->MarkInTree();
}
