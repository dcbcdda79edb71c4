// The curves of the path moves: a cubic Bezier segment and a cubic Hermite
// segment over integer points, evaluated at t from 0 to 1.
#pragma once

#include "script/argument_kinds.h"

struct CurvePoint {
    double x;
    double y;
};

// (1-t)^3 p0 + 3(1-t)^2 t p1 + 3(1-t) t^2 p2 + t^3 p3, per coordinate.
CurvePoint InterpolateBezier(const ScriptPoint& p0, const ScriptPoint& p1, const ScriptPoint& p2,
                             const ScriptPoint& p3, double t);
// (2t^3 - 3t^2 + 1) p0 + (t^3 - 2t^2 + t) m0 + (3t^2 - 2t^3) p1 + (t^3 - t^2) m1,
// per coordinate: key point p0 with its tangent m0, then p1 with m1.
CurvePoint InterpolateHermite(const ScriptPoint& p0, const ScriptPoint& m0, const ScriptPoint& p1,
                              const ScriptPoint& m1, double t);
