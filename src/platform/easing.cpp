#include "platform/easing.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kInversePi = 0.3183098861837907;

struct NamedCurve {
    const char* name;
    EasingCurve curve;
};

const NamedCurve kNamedCurves[] = {
    {"Linear", EaseLinear}, {"AccSin", EaseAccSin}, {"DecSin", EaseDecSin},
    {"AccSig", EaseAccSig}, {"DecSig", EaseDecSig}, {"Acc2", EaseAcc2},
    {"Acc3", EaseAcc3},     {"Acc4", EaseAcc3},     {"Dec2", EaseDec2},
    {"Dec3", EaseDec3},     {"Dec4", EaseDec3},
};

}  // namespace

double EaseLinear(double t) { return t; }

double EaseAccSin(double t) { return 1.0 - std::cos(t * kHalfPi); }

double EaseDecSin(double t) { return std::sin(t * kHalfPi); }

double EaseAccSig(double t) { return 0.5 - 0.5 * std::cos(t * kPi); }

double EaseDecSig(double t) { return std::acos(1.0 - 2.0 * t) * kInversePi; }

double EaseAcc2(double t) { return t * t; }

double EaseAcc3(double t) { return t * t * t; }

double EaseAcc4(double t) { return t * t * t * t; }

double EaseDec2(double t) {
    const double u = 1.0 - t;
    return 1.0 - u * u;
}

double EaseDec3(double t) {
    const double u = 1.0 - t;
    return 1.0 - u * u * u;
}

bool FindEasingCurve(const std::string& name, EasingCurve* curve) {
    for (const NamedCurve& entry : kNamedCurves) {
        if (name == entry.name) {
            *curve = entry.curve;
            return true;
        }
    }
    return false;
}
