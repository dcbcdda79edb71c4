#include "script/path_animators.h"

#include "scene/scene_node.h"
#include "script/script_command_kind.h"

int CPathMoveAnimator::GetCategory() const { return kCategoryPositionAnimator; }

void CPathMoveAnimator::Step(CSceneNode& node, int milliseconds) {
    const int segments = Segments();
    if (segments < 1) {
        counter_.Set(0, counter_.GetEasing());
        return;
    }
    AdvanceCounter(milliseconds);
    const double r = counter_.Ratio();
    const double s = segments * r;
    // At r = 1 (and wherever rounding brings s to the end) the last segment
    // is taken at t = 1, so no point past the list is read.
    int i = static_cast<int>(s);
    if (i > segments - 1) i = segments - 1;
    if (i < 0) i = 0;
    const CurvePoint at = PointOn(i, s - i);
    node.SetPosition(at.x, at.y);
}

int CBezierMoveAnimator::GetKind() const { return kKindBezierMove; }

int CBezierMoveAnimator::Segments() const {
    const int count = static_cast<int>(points_.size());
    return count < 1 ? 0 : (count - 1) / 3;
}

CurvePoint CBezierMoveAnimator::PointOn(int segment, double t) const {
    const ScriptPoint* p = &points_[3 * static_cast<size_t>(segment)];
    return InterpolateBezier(p[0], p[1], p[2], p[3], t);
}

int CHermiteMoveAnimator::GetKind() const { return kKindHermiteMove; }

int CHermiteMoveAnimator::Segments() const {
    const int count = static_cast<int>(points_.size());
    return count < 2 ? 0 : (count - 2) / 2;
}

CurvePoint CHermiteMoveAnimator::PointOn(int segment, double t) const {
    const ScriptPoint* p = &points_[2 * static_cast<size_t>(segment)];
    return InterpolateHermite(p[0], p[1], p[2], p[3], t);
}
