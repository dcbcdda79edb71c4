// The straight moves: "Move" slides a node to its placement; "ShakeMove"
// does the same with a random jitter whose amplitude changes over the move.
#pragma once

#include <cstdint>

#include "script/timed_animator.h"

// The placement of both axes, as the statement wrote it.
struct MovePlacement {
    int32_t modeX;
    int32_t valueX;
    int32_t modeY;
    int32_t valueY;
};

class CMoveAnimator : public CTimedAnimator {
public:
    CMoveAnimator(MovePlacement placement, int32_t duration, EasingCurve easing)
        : CTimedAnimator(duration, easing), placement_(placement) {}
    int GetCategory() const override;
    int GetKind() const override;
    // Resolves the target from the node's position, size and area.
    void Start(CSceneNode& node) override;
    void Step(CSceneNode& node, int milliseconds) override;
    CNodeAnimator* Clone() const override { return new CMoveAnimator(*this); }

    const MovePlacement& Placement() const { return placement_; }
    double FromX() const { return fromX_; }
    double FromY() const { return fromY_; }
    double ToX() const { return toX_; }
    double ToY() const { return toY_; }

protected:
    // Advances the counter and gives the position on the way.
    void Advance(int milliseconds, double* x, double* y);

private:
    MovePlacement placement_;
    double fromX_ = 0, fromY_ = 0, toX_ = 0, toY_ = 0;
};

// The jitter amplitudes in pixels, at the start and at the end of the move.
struct ShakeAmplitudes {
    int32_t startX;
    int32_t startY;
    int32_t endX;
    int32_t endY;
};

class CShakeMoveAnimator : public CMoveAnimator {
public:
    CShakeMoveAnimator(MovePlacement placement, ShakeAmplitudes amplitudes, int32_t duration, EasingCurve easing)
        : CMoveAnimator(placement, duration, easing), amplitudes_(amplitudes) {}
    int GetKind() const override;
    // The move's position, then, while the move still runs, a jitter of
    // ShakeJitter on each axis (x first) with the amplitude reached. The
    // last step stands on the target.
    void Step(CSceneNode& node, int milliseconds) override;
    CNodeAnimator* Clone() const override { return new CShakeMoveAnimator(*this); }

    const ShakeAmplitudes& Amplitudes() const { return amplitudes_; }

private:
    ShakeAmplitudes amplitudes_;
};

// random % (2a + 1) - a, with 2a + 1 computed in 64 bits and held to the int
// range, so every amplitude gives a defined jitter.
int64_t ShakeJitter(int amplitude, int random);
