#include "script/path_curves.h"

namespace {

CurvePoint Weigh(const ScriptPoint& a, const ScriptPoint& b, const ScriptPoint& c, const ScriptPoint& d,
                 double wa, double wb, double wc, double wd) {
    return {wa * a.x + wb * b.x + wc * c.x + wd * d.x, wa * a.y + wb * b.y + wc * c.y + wd * d.y};
}

}  // namespace

CurvePoint InterpolateBezier(const ScriptPoint& p0, const ScriptPoint& p1, const ScriptPoint& p2,
                             const ScriptPoint& p3, double t) {
    const double u = 1 - t;
    return Weigh(p0, p1, p2, p3, u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t);
}

CurvePoint InterpolateHermite(const ScriptPoint& p0, const ScriptPoint& m0, const ScriptPoint& p1,
                              const ScriptPoint& m1, double t) {
    const double t2 = t * t;
    const double t3 = t2 * t;
    return Weigh(p0, m0, p1, m1, 2 * t3 - 3 * t2 + 1, t3 - 2 * t2 + t, 3 * t2 - 2 * t3, t3 - t2);
}
