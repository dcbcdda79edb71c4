#include "script/animation_rows.h"

#include "scene/3d/mesh_actions.h"
#include "script/path_animators.h"
#include "script/value_animators.h"

namespace {

// Zoom and opacity are written in thousandths.
constexpr double kThousandth = 0.001;

void PlacementArguments(AnimationValues& v, bool, std::vector<CScriptArgument>& arguments) {
    arguments.push_back(CScriptArgument::HorizontalPlacement(v.placement.modeX, v.placement.valueX));
    arguments.push_back(CScriptArgument::VerticalPlacement(v.placement.modeY, v.placement.valueY));
}

void ShakeArguments(AnimationValues& v, bool ex, std::vector<CScriptArgument>& arguments) {
    PlacementArguments(v, ex, arguments);
    arguments.push_back(CScriptArgument::Number(v.amplitudes.startX));
    arguments.push_back(CScriptArgument::Number(v.amplitudes.startY));
    arguments.push_back(CScriptArgument::Number(v.amplitudes.endX));
    arguments.push_back(CScriptArgument::Number(v.amplitudes.endY));
}

void BezierArguments(AnimationValues& v, bool, std::vector<CScriptArgument>& arguments) {
    arguments.push_back(CScriptArgument::BezierPoints(v.points));
}

void HermiteArguments(AnimationValues& v, bool, std::vector<CScriptArgument>& arguments) {
    arguments.push_back(CScriptArgument::HermitePoints(v.points));
}

void OneRelativeArgument(AnimationValues& v, bool, std::vector<CScriptArgument>& arguments) {
    arguments.push_back(CScriptArgument::RelativeNumber(v.modes[0], v.values[0]));
}

// The "Ex" form of Zoom sets each axis apart.
void ZoomArguments(AnimationValues& v, bool ex, std::vector<CScriptArgument>& arguments) {
    OneRelativeArgument(v, ex, arguments);
    if (ex) arguments.push_back(CScriptArgument::RelativeNumber(v.modes[1], v.values[1]));
}

// The 3D statements' three plain numbers.
void ThreeNumbers(AnimationValues& v, bool, std::vector<CScriptArgument>& arguments) {
    for (int32_t& value : v.values) arguments.push_back(CScriptArgument::Number(value));
}

std::unique_ptr<CScriptCommand> BuildMove(const AnimationValues& v, bool) {
    return std::make_unique<CMoveAnimator>(v.placement, v.duration, v.easing);
}

std::unique_ptr<CScriptCommand> BuildShake(const AnimationValues& v, bool) {
    return std::make_unique<CShakeMoveAnimator>(v.placement, v.amplitudes, v.duration, v.easing);
}

std::unique_ptr<CScriptCommand> BuildBezier(const AnimationValues& v, bool) {
    return std::make_unique<CBezierMoveAnimator>(v.points, v.duration, v.easing);
}

std::unique_ptr<CScriptCommand> BuildHermite(const AnimationValues& v, bool) {
    return std::make_unique<CHermiteMoveAnimator>(v.points, v.duration, v.easing);
}

std::unique_ptr<CScriptCommand> BuildRotate(const AnimationValues& v, bool) {
    return std::make_unique<CRotateAnimator>(v.modes[0], v.values[0], v.duration, v.easing);
}

std::unique_ptr<CScriptCommand> BuildZoom(const AnimationValues& v, bool ex) {
    const ValueTarget x{v.modes[0], v.values[0] * kThousandth};
    const ValueTarget y = ex ? ValueTarget{v.modes[1], v.values[1] * kThousandth} : x;
    return std::make_unique<CZoomAnimator>(x, y, v.duration, v.easing);
}

std::unique_ptr<CScriptCommand> BuildOpaque(const AnimationValues& v, bool) {
    return std::make_unique<COpaqueAnimator>(ValueTarget{v.modes[0], v.values[0] * kThousandth}, v.duration,
                                             v.easing);
}

std::unique_ptr<CScriptCommand> BuildMove3D(const AnimationValues& v, bool) {
    return std::make_unique<CMove3DAnimator>(v.values[0], v.values[1], v.values[2], v.duration, v.easing);
}

std::unique_ptr<CScriptCommand> BuildZoom3D(const AnimationValues& v, bool) {
    return std::make_unique<CZoom3DAnimator>(v.values[0], v.values[1], v.values[2], v.duration, v.easing);
}

std::unique_ptr<CScriptCommand> BuildRotate3D(const AnimationValues& v, bool) {
    return std::make_unique<CRotate3DAnimator>(v.values[0], v.values[1], v.values[2], v.duration, v.easing);
}

const AnimationRow kAnimationRows[] = {
    {"Move", false, PlacementArguments, BuildMove},
    {"MoveEx", true, PlacementArguments, BuildMove},
    {"ShakeMove", false, ShakeArguments, BuildShake},
    {"ShakeMoveEx", true, ShakeArguments, BuildShake},
    {"BezierMove", false, BezierArguments, BuildBezier},
    {"BezierMoveEx", true, BezierArguments, BuildBezier},
    {"HermiteMove", false, HermiteArguments, BuildHermite},
    {"HermiteMoveEx", true, HermiteArguments, BuildHermite},
    {"Rotate", false, OneRelativeArgument, BuildRotate},
    {"RotateEx", true, OneRelativeArgument, BuildRotate},
    {"Zoom", false, ZoomArguments, BuildZoom},
    {"ZoomEx", true, ZoomArguments, BuildZoom},
    {"Opaque", false, OneRelativeArgument, BuildOpaque},
    {"OpaqueEx", true, OneRelativeArgument, BuildOpaque},
    {"Move3D", false, ThreeNumbers, BuildMove3D},
    {"Move3DEx", true, ThreeNumbers, BuildMove3D},
    {"Zoom3D", false, ThreeNumbers, BuildZoom3D},
    {"Zoom3DEx", true, ThreeNumbers, BuildZoom3D},
    {"Rotate3D", false, ThreeNumbers, BuildRotate3D},
    {"Rotate3DEx", true, ThreeNumbers, BuildRotate3D},
};

}  // namespace

const AnimationRow* FindAnimationRow(const std::string& statement) {
    for (const AnimationRow& row : kAnimationRows) {
        if (statement == row.statement) return &row;
    }
    return nullptr;
}
