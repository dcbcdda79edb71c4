#include "scene/transition_slot.h"

#include <algorithm>

#include "scene/drawn_node_rules.h"
#include "scene/rect_math.h"
#include "scene/scene_node.h"
#include "transitions/screen_transition.h"

CTransitionSlot::~CTransitionSlot() { Remove(); }

void CTransitionSlot::Attach(const CScriptCommand& command, CSceneNode& holder) {
    Remove();
    transition_ = static_cast<const CScreenTransition&>(command).Clone();
    transition_->Start(&holder);
}

void CTransitionSlot::Remove() {
    if (!transition_) return;
    CScreenTransition* old = transition_;
    transition_ = nullptr;
    old->Stop();
    delete old;
}

bool CTransitionSlot::Draws(const CTransform2D& composed) const {
    return transition_ && IsUntransformed(composed);
}

RECT CTransitionSlot::Reach(const CTransform2D& composed, int width, int height) const {
    if (!transition_) return EmptyRect();
    RECT reach;
    transition_->GetBounds(&reach, &composed, width, height);
    return reach;
}

void CTransitionSlot::Update(const CTransform2D& ownPlacement, int milliseconds) {
    if (transition_ && IsUntransformed(ownPlacement)) {
        transition_->Update(static_cast<unsigned>(std::max(milliseconds, 0)));
    }
}

bool CTransitionSlot::Counts(const CTransform2D& ownPlacement, AnimatorSelector which) const {
    return transition_ && (which == kAnimatorAny || which == kAnimatorScript) &&
           IsUntransformed(ownPlacement);
}

bool CTransitionSlot::IsAnimating(const CTransform2D& ownPlacement, AnimatorSelector which) const {
    return Counts(ownPlacement, which) && transition_->IsRunning();
}

unsigned CTransitionSlot::TimeLeft(const CTransform2D& ownPlacement, AnimatorSelector which,
                                   unsigned others) const {
    if (!Counts(ownPlacement, which)) return others;
    return std::max(others, transition_->GetTimeLeft());
}
