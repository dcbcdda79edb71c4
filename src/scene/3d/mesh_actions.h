// The three 3D actions a script hands to a 3D node: "Move3D", "Rotate3D" and
// "Zoom3D" (and their "Ex" forms) move the node's object's position,
// rotation or scale from where it stands to a target over time. The node
// keeps a clone of each, one per category, starts it once and steps it every
// frame; a step writes the eased values into the object and invalidates the
// node.
#pragma once

#include <cstdint>

#include "platform/easing.h"
#include "platform/progress_counter.h"
#include "script/script_command.h"

class CNode3D;
class CVector3;

class CMeshAction : public CScriptCommand {
public:
    // Reads the object's current triple as the starting values.
    void Start(CNode3D& node);
    // Advances by the milliseconds, writes the triple and invalidates the
    // node.
    void Step(CNode3D& node, int milliseconds);
    bool IsRunning() const { return counter_.IsRunning(); }
    // A new action of the same kind and values.
    virtual CMeshAction* Clone() const = 0;
    // The milliseconds left, 0 when finished.
    unsigned GetTimeLeft() const { return counter_.Remaining(); }

    double Target(int axis) const { return to_[axis]; }
    double From(int axis) const { return from_[axis]; }
    const CProgressCounter& Counter() const { return counter_; }

protected:
    // A negative duration counts as 0.
    CMeshAction(double x, double y, double z, int32_t duration, EasingCurve easing);
    // The triple of the node's object the action moves; null while the node
    // holds no object.
    virtual CVector3* Triple(CNode3D& node) const = 0;

private:
    CProgressCounter counter_;
    double to_[3];
    double from_[3] = {0, 0, 0};
};

// The position, in object units.
class CMove3DAnimator : public CMeshAction {
public:
    CMove3DAnimator(double x, double y, double z, int32_t duration, EasingCurve easing)
        : CMeshAction(x, y, z, duration, easing) {}
    int GetCategory() const override;
    int GetKind() const override;
    CMeshAction* Clone() const override { return new CMove3DAnimator(*this); }

protected:
    CVector3* Triple(CNode3D& node) const override;
};

// The rotation: written in degrees, kept in radians.
class CRotate3DAnimator : public CMeshAction {
public:
    static constexpr double kRadiansPerDegree = 0.017453292519943295;
    CRotate3DAnimator(double x, double y, double z, int32_t duration, EasingCurve easing)
        : CMeshAction(x * kRadiansPerDegree, y * kRadiansPerDegree, z * kRadiansPerDegree, duration, easing) {}
    int GetCategory() const override;
    int GetKind() const override;
    CMeshAction* Clone() const override { return new CRotate3DAnimator(*this); }

protected:
    CVector3* Triple(CNode3D& node) const override;
};

// The scale per axis (1 the object's own size).
class CZoom3DAnimator : public CMeshAction {
public:
    CZoom3DAnimator(double x, double y, double z, int32_t duration, EasingCurve easing)
        : CMeshAction(x, y, z, duration, easing) {}
    int GetCategory() const override;
    int GetKind() const override;
    CMeshAction* Clone() const override { return new CZoom3DAnimator(*this); }

protected:
    CVector3* Triple(CNode3D& node) const override;
};
