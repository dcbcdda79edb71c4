// The curved moves: the node follows a chain of Bezier or Hermite segments
// through absolute points in its parent's coordinates.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "script/path_curves.h"
#include "script/timed_animator.h"

// The skeleton of both: the eased ratio picks a segment and the position in
// it. A list too short for one segment leaves the node where it stands and
// finishes in the first step.
class CPathMoveAnimator : public CTimedAnimator {
public:
    int GetCategory() const override;
    // The points are absolute: there is nothing to read from the node.
    void Start(CSceneNode&) override {}
    void Step(CSceneNode& node, int milliseconds) override;

    const std::vector<ScriptPoint>& Points() const { return points_; }
    // How many whole segments the list holds; below 1 for a short list.
    virtual int Segments() const = 0;

protected:
    CPathMoveAnimator(std::vector<ScriptPoint> points, int32_t duration, EasingCurve easing)
        : CTimedAnimator(duration, easing), points_(std::move(points)) {}
    // The point at t (0 to 1) on segment i, 0 <= i < Segments().
    virtual CurvePoint PointOn(int segment, double t) const = 0;

    std::vector<ScriptPoint> points_;
};

// Anchor, control, control, anchor, control, control, anchor, ...
class CBezierMoveAnimator : public CPathMoveAnimator {
public:
    CBezierMoveAnimator(std::vector<ScriptPoint> points, int32_t duration, EasingCurve easing)
        : CPathMoveAnimator(std::move(points), duration, easing) {}
    int GetKind() const override;
    CNodeAnimator* Clone() const override { return new CBezierMoveAnimator(*this); }
    int Segments() const override;

protected:
    CurvePoint PointOn(int segment, double t) const override;
};

// Key point, its tangent, key point, its tangent, ...
class CHermiteMoveAnimator : public CPathMoveAnimator {
public:
    CHermiteMoveAnimator(std::vector<ScriptPoint> points, int32_t duration, EasingCurve easing)
        : CPathMoveAnimator(std::move(points), duration, easing) {}
    int GetKind() const override;
    CNodeAnimator* Clone() const override { return new CHermiteMoveAnimator(*this); }
    int Segments() const override;

protected:
    CurvePoint PointOn(int segment, double t) const override;
};
