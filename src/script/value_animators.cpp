#include "script/value_animators.h"

#include "scene/scene_node.h"
#include "script/script_command_kind.h"

void CValueAnimator::Start(CSceneNode& node) {
    Read(node, from_);
    for (int axis = 0; axis < axes_; ++axis) {
        const ValueTarget& target = targets_[axis];
        switch (target.mode) {
            case 1: to_[axis] = target.value; break;
            case 2: to_[axis] = from_[axis] + target.value; break;
            default: to_[axis] = from_[axis]; break;
        }
    }
}

void CValueAnimator::Step(CSceneNode& node, int milliseconds) {
    AdvanceCounter(milliseconds);
    double values[2];
    for (int axis = 0; axis < axes_; ++axis) values[axis] = counter_.LerpDouble(from_[axis], to_[axis]);
    Write(node, values);
}

int CZoomAnimator::GetCategory() const { return kCategoryZoomAnimator; }
int CZoomAnimator::GetKind() const { return kKindZoom; }
void CZoomAnimator::Read(CSceneNode& node, double* values) const { node.GetZoom(&values[0], &values[1]); }
void CZoomAnimator::Write(CSceneNode& node, const double* values) const { node.SetZoom(values[0], values[1]); }

int CRotateAnimator::GetCategory() const { return kCategoryRotationAnimator; }
int CRotateAnimator::GetKind() const { return kKindRotate; }
void CRotateAnimator::Read(CSceneNode& node, double* values) const { node.GetRotation(&values[0]); }
void CRotateAnimator::Write(CSceneNode& node, const double* values) const { node.SetRotation(values[0]); }

int COpaqueAnimator::GetCategory() const { return kCategoryOpacityAnimator; }
int COpaqueAnimator::GetKind() const { return kKindOpaque; }
void COpaqueAnimator::Read(CSceneNode& node, double* values) const { node.GetOpacity(&values[0]); }
void COpaqueAnimator::Write(CSceneNode& node, const double* values) const { node.SetOpacity(values[0]); }
