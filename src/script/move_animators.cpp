#include "script/move_animators.h"

#include <cstdlib>
#include <limits>

#include "scene/scene_node.h"
#include "script/move_placement.h"
#include "script/script_command_kind.h"

int CMoveAnimator::GetCategory() const { return kCategoryPositionAnimator; }
int CMoveAnimator::GetKind() const { return kKindMove; }

void CMoveAnimator::Start(CSceneNode& node) {
    node.GetPosition(&fromX_, &fromY_);
    int width = 0, height = 0, areaWidth = 0, areaHeight = 0;
    node.GetSize(&width, &height);
    GetPlacementArea(node, &areaWidth, &areaHeight);
    toX_ = ResolvePlacement(PlacementAxis::Horizontal, placement_.modeX, placement_.valueX, fromX_, width, areaWidth);
    toY_ = ResolvePlacement(PlacementAxis::Vertical, placement_.modeY, placement_.valueY, fromY_, height, areaHeight);
}

void CMoveAnimator::Advance(int milliseconds, double* x, double* y) {
    AdvanceCounter(milliseconds);
    *x = counter_.LerpDouble(fromX_, toX_);
    *y = counter_.LerpDouble(fromY_, toY_);
}

void CMoveAnimator::Step(CSceneNode& node, int milliseconds) {
    double x, y;
    Advance(milliseconds, &x, &y);
    node.SetPosition(x, y);
}

int CShakeMoveAnimator::GetKind() const { return kKindShakeMove; }

void CShakeMoveAnimator::Step(CSceneNode& node, int milliseconds) {
    double x, y;
    Advance(milliseconds, &x, &y);
    if (counter_.IsRunning()) {
        const int amplitudeX = counter_.LerpInt(amplitudes_.startX, amplitudes_.endX);
        const int amplitudeY = counter_.LerpInt(amplitudes_.startY, amplitudes_.endY);
        x += static_cast<double>(ShakeJitter(amplitudeX, std::rand()));
        y += static_cast<double>(ShakeJitter(amplitudeY, std::rand()));
    }
    node.SetPosition(x, y);
}

int64_t ShakeJitter(int amplitude, int random) {
    int64_t span = 2 * static_cast<int64_t>(amplitude) + 1;
    if (span > std::numeric_limits<int>::max()) span = std::numeric_limits<int>::max();
    if (span < std::numeric_limits<int>::min()) span = std::numeric_limits<int>::min();
    return random % span - amplitude;
}
