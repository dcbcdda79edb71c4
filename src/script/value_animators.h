// Zoom, rotation and opacity: each moves one or two of the node's values
// from where they stand to a target. Per axis the mode says how the target
// follows from the statement's value: 0 keeps the current value, 1 takes
// the value, 2 adds it to the current one.
#pragma once

#include <cstdint>

#include "script/timed_animator.h"

// One axis as the statement wrote it.
struct ValueTarget {
    int32_t mode;
    double value;
};

// The skeleton: reads the values at Start, lerps them on every step.
class CValueAnimator : public CTimedAnimator {
public:
    void Start(CSceneNode& node) override;
    void Step(CSceneNode& node, int milliseconds) override;

    int Axes() const { return axes_; }
    const ValueTarget& Target(int axis) const { return targets_[axis]; }
    double From(int axis) const { return from_[axis]; }
    double To(int axis) const { return to_[axis]; }

protected:
    CValueAnimator(int axes, ValueTarget first, ValueTarget second, int32_t duration, EasingCurve easing)
        : CTimedAnimator(duration, easing), axes_(axes), targets_{first, second} {}
    // The node's current values, one per axis.
    virtual void Read(CSceneNode& node, double* values) const = 0;
    virtual void Write(CSceneNode& node, const double* values) const = 0;

private:
    int axes_;
    ValueTarget targets_[2];
    double from_[2] = {0, 0};
    double to_[2] = {0, 0};
};

// Both zoom factors (1.0 the unscaled size).
class CZoomAnimator : public CValueAnimator {
public:
    CZoomAnimator(ValueTarget x, ValueTarget y, int32_t duration, EasingCurve easing)
        : CValueAnimator(2, x, y, duration, easing) {}
    int GetCategory() const override;
    int GetKind() const override;
    CNodeAnimator* Clone() const override { return new CZoomAnimator(*this); }

protected:
    void Read(CSceneNode& node, double* values) const override;
    void Write(CSceneNode& node, const double* values) const override;
};

// The rotation in whole degrees as written.
class CRotateAnimator : public CValueAnimator {
public:
    CRotateAnimator(int32_t mode, int32_t degrees, int32_t duration, EasingCurve easing)
        : CValueAnimator(1, {mode, static_cast<double>(degrees)}, {0, 0}, duration, easing) {}
    int GetCategory() const override;
    int GetKind() const override;
    CNodeAnimator* Clone() const override { return new CRotateAnimator(*this); }

protected:
    void Read(CSceneNode& node, double* values) const override;
    void Write(CSceneNode& node, const double* values) const override;
};

// The opacity (1.0 fully opaque).
class COpaqueAnimator : public CValueAnimator {
public:
    COpaqueAnimator(ValueTarget target, int32_t duration, EasingCurve easing)
        : CValueAnimator(1, target, {0, 0}, duration, easing) {}
    int GetCategory() const override;
    int GetKind() const override;
    CNodeAnimator* Clone() const override { return new COpaqueAnimator(*this); }

protected:
    void Read(CSceneNode& node, double* values) const override;
    void Write(CSceneNode& node, const double* values) const override;
};
