#include "platform/easing.h"

#include <gtest/gtest.h>

namespace {

struct CurveCase {
    const char* label;
    EasingCurve curve;
    double at0, atQuarter, atHalf, at1;
};

// Values worked out by hand: cos(pi/8) = sqrt(2 + sqrt 2) / 2,
// sin(pi/8) = sqrt(2 - sqrt 2) / 2, cos(pi/4) = sqrt 2 / 2, acos(1/2) = pi/3.
const CurveCase kCurves[] = {
    {"Linear", EaseLinear, 0, 0.25, 0.5, 1},
    {"AccSin", EaseAccSin, 0, 0.07612046748871324, 0.29289321881345248, 1},
    {"DecSin", EaseDecSin, 0, 0.38268343236508977, 0.70710678118654752, 1},
    {"AccSig", EaseAccSig, 0, 0.14644660940672624, 0.5, 1},
    {"DecSig", EaseDecSig, 0, 1.0 / 3.0, 0.5, 1},
    {"Acc2", EaseAcc2, 0, 0.0625, 0.25, 1},
    {"Acc3", EaseAcc3, 0, 0.015625, 0.125, 1},
    {"Acc4", EaseAcc4, 0, 0.00390625, 0.0625, 1},
    {"Dec2", EaseDec2, 0, 0.4375, 0.75, 1},
    {"Dec3", EaseDec3, 0, 0.578125, 0.875, 1},
};

TEST(Easing, CurvesAtZeroQuarterHalfAndOne) {
    const double kTolerance = 1e-12;
    for (const CurveCase& c : kCurves) {
        EXPECT_NEAR(c.curve(0.0), c.at0, kTolerance) << c.label;
        EXPECT_NEAR(c.curve(0.25), c.atQuarter, kTolerance) << c.label;
        EXPECT_NEAR(c.curve(0.5), c.atHalf, kTolerance) << c.label;
        EXPECT_NEAR(c.curve(1.0), c.at1, kTolerance) << c.label;
    }
}

TEST(Easing, ScriptNamesChooseTheirCurves) {
    struct NameCase {
        const char* name;
        EasingCurve curve;
    };
    const NameCase names[] = {
        {"Linear", EaseLinear}, {"AccSin", EaseAccSin}, {"DecSin", EaseDecSin},
        {"AccSig", EaseAccSig}, {"DecSig", EaseDecSig}, {"Acc2", EaseAcc2},
        {"Acc3", EaseAcc3},     {"Dec2", EaseDec2},     {"Dec3", EaseDec3},
        // The "4" names move as their cubic neighbours; there is no quartic
        // name and no quartic decelerating curve.
        {"Acc4", EaseAcc3},     {"Dec4", EaseDec3},
    };
    for (const NameCase& n : names) {
        EasingCurve curve = nullptr;
        EXPECT_TRUE(FindEasingCurve(n.name, &curve)) << n.name;
        EXPECT_EQ(curve, n.curve) << n.name;
    }
}

TEST(Easing, UnknownNameLeavesTheCurveAsItWas) {
    for (const char* name : {"", "linear", "ACC2", "Acc5", "Acc2 ", "EaseAcc4", "Dec"}) {
        EasingCurve curve = EaseDecSig;
        EXPECT_FALSE(FindEasingCurve(name, &curve)) << name;
        EXPECT_EQ(curve, &EaseDecSig) << name;
    }
}

}  // namespace
