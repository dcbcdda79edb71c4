// The in-game menu's fade of a whole node: the node's opacity goes from its
// value at the start to the target over the duration, straight or along an
// easing curve. A node holds it as its opacity animator.
#pragma once

#include <cstdint>

#include "platform/progress_counter.h"
#include "script/node_animator.h"

class CMenuOpacityFade : public CNodeAnimator {
public:
    // A null curve fades straight.
    CMenuOpacityFade(uint32_t duration, double target, EasingCurve easing = nullptr);

    int GetCategory() const override;  // kCategoryOpacityAnimator
    int GetKind() const override;      // kKindMenuOpacityFade
    void Start(CSceneNode& node) override;
    void Step(CSceneNode& node, int milliseconds) override;
    bool IsRunning() const override;
    CNodeAnimator* Clone() const override;
    unsigned GetTimeLeft() const override;

private:
    double from_ = 0;
    double to_;
    CProgressCounter progress_;
};
