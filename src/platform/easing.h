// The easing curves: functions from t in [0, 1] to the eased progress, and
// the names by which scripts choose them.
#pragma once

#include <string>

using EasingCurve = double (*)(double t);

double EaseLinear(double t);
// 1 - cos(t pi/2): starts slowly.
double EaseAccSin(double t);
// sin(t pi/2): ends slowly.
double EaseDecSin(double t);
// 0.5 - 0.5 cos(t pi): an S-curve, slow at both ends.
double EaseAccSig(double t);
// acos(1 - 2t) / pi: the inverse of the S-curve, steep at both ends.
double EaseDecSig(double t);
double EaseAcc2(double t);
double EaseAcc3(double t);
double EaseAcc4(double t);
double EaseDec2(double t);
double EaseDec3(double t);

// Looks a script's curve name up, case-sensitively, and stores its curve.
// An unknown name leaves *curve as it was and answers false. "Acc4" and
// "Dec4" choose the cubic curves, as scripts have always had them.
bool FindEasingCurve(const std::string& name, EasingCurve* curve);
