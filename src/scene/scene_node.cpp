#include "scene/scene_node.h"

#include <algorithm>

#include "scene/rect_math.h"
#include "script/node_command.h"

CSceneNode::CSceneNode(int x, int y, int z) : CNode(x, y, z) {}

CSceneNode::CSceneNode(const CSceneNode& other) : CNode(other) {}

CSceneNode::~CSceneNode() { CSceneNode::Clear(); }

void CSceneNode::Reset() { CNode::Reset(); }

void CSceneNode::Clear() {
    positionAnimator_.reset();
    zoomAnimator_.reset();
    opacityAnimator_.reset();
    rotationAnimator_.reset();
    CNode::Clear();
}

void CSceneNode::Detach() { CNode::Detach(); }

CNode* CSceneNode::Clone() { return new CSceneNode(*this); }

void CSceneNode::PurgeRemoved() { CNode::PurgeRemoved(); }

void CSceneNode::Update(int milliseconds) {
    for (std::unique_ptr<CNodeAnimator>* slot :
         {&positionAnimator_, &zoomAnimator_, &opacityAnimator_, &rotationAnimator_}) {
        if (!*slot) continue;
        (*slot)->Step(*this, milliseconds);
        if (!(*slot)->IsRunning()) slot->reset();
    }
    CNode::Update(milliseconds);
}

void CSceneNode::UpdateTransform(CTransform2D parent) { CNode::UpdateTransform(parent); }

void CSceneNode::DrawSelf(CMemorySurface&, CTransform2D, const RECT*) {}

void CSceneNode::ReceiveMessage(std::string) {}

std::unique_ptr<CNodeAnimator>* CSceneNode::AnimatorFor(int category) {
    switch (category) {
        case kCategoryOpacityAnimator: return &opacityAnimator_;
        case kCategoryZoomAnimator: return &zoomAnimator_;
        case kCategoryPositionAnimator: return &positionAnimator_;
        case kCategoryRotationAnimator: return &rotationAnimator_;
        default: return nullptr;
    }
}

void CSceneNode::ApplyCommand(CScriptCommand* command) {
    const int category = command->GetCategory();
    if (category == kCategoryNodeCommand) {
        static_cast<CNodeCommand*>(command)->Apply(*this);
        return;
    }
    std::unique_ptr<CNodeAnimator>* slot = AnimatorFor(category);
    if (!slot) return;
    slot->reset();
    slot->reset(static_cast<CNodeAnimator*>(command)->Clone());
    (*slot)->Start(*this);
    (*slot)->Step(*this, 0);
}

void CSceneNode::GetSize(int* width, int* height) {
    *width = 0;
    *height = 0;
}

void CSceneNode::GetLocalRect(RECT* out) { *out = EmptyRect(); }

int CSceneNode::GetNodeKind() { return kNodeKindScene; }

bool CSceneNode::IsVisible(const CTransform2D&) { return false; }

bool CSceneNode::IsOpaque(const CTransform2D&) { return false; }

bool CSceneNode::Runs(const std::unique_ptr<CNodeAnimator>& animator) {
    return animator && animator->IsRunning();
}

bool CSceneNode::IsAnimating(AnimatorSelector which) {
    bool childAnimates = false;
    VisitChildren([&](const std::string&, CNode* child) {
        childAnimates = child->IsAnimating(which);
        return !childAnimates;
    });
    if (childAnimates) return true;
    switch (which) {
        case kAnimatorAny:
            return Runs(positionAnimator_) || Runs(zoomAnimator_) || Runs(rotationAnimator_) ||
                   Runs(opacityAnimator_);
        case kAnimatorPosition: return Runs(positionAnimator_);
        case kAnimatorZoom: return Runs(zoomAnimator_);
        case kAnimatorRotation: return Runs(rotationAnimator_);
        case kAnimatorOpacity: return Runs(opacityAnimator_);
        default: return false;
    }
}

unsigned CSceneNode::GetAnimationTimeLeft(AnimatorSelector which) {
    unsigned longest = 0;
    VisitChildren([&](const std::string&, CNode* child) {
        longest = std::max(longest, child->GetAnimationTimeLeft(which));
        return true;
    });
    const std::unique_ptr<CNodeAnimator>* selected[4] = {};
    switch (which) {
        case kAnimatorAny:
            selected[0] = &positionAnimator_;
            selected[1] = &zoomAnimator_;
            selected[2] = &rotationAnimator_;
            selected[3] = &opacityAnimator_;
            break;
        case kAnimatorPosition: selected[0] = &positionAnimator_; break;
        case kAnimatorZoom: selected[0] = &zoomAnimator_; break;
        case kAnimatorRotation: selected[0] = &rotationAnimator_; break;
        case kAnimatorOpacity: selected[0] = &opacityAnimator_; break;
        default: break;
    }
    for (const std::unique_ptr<CNodeAnimator>* slot : selected) {
        if (slot && *slot) longest = std::max(longest, (*slot)->GetTimeLeft());
    }
    return longest;
}

bool CSceneNode::HitTestSelf(double, double, CTransform2D) { return false; }

void CSceneNode::DirtyOwnArea(CTransform2D, const RECT*) {}
