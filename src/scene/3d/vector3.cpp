#include "scene/3d/vector3.h"

#include <cmath>

#include "scene/3d/matrix4.h"

namespace {

CVector3 FromDoubles(double x, double y, double z) {
    return CVector3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

}  // namespace

CVector3 CVector3::operator+(const CVector3& b) const {
    return FromDoubles(double(x) + b.x, double(y) + b.y, double(z) + b.z);
}

CVector3& CVector3::operator+=(const CVector3& b) { return *this = *this + b; }

CVector3 CVector3::operator-(const CVector3& b) const {
    return FromDoubles(double(x) - b.x, double(y) - b.y, double(z) - b.z);
}

CVector3 CVector3::operator-() const { return CVector3(-x, -y, -z); }

CVector3 CVector3::operator/(float s) const {
    const double r = 1.0 / s;
    return FromDoubles(x * r, y * r, z * r);
}

double CVector3::Dot(const CVector3& b) const { return double(x) * b.x + double(y) * b.y + double(z) * b.z; }

CVector3 CVector3::Cross(const CVector3& b) const {
    return FromDoubles(double(y) * b.z - double(z) * b.y, double(z) * b.x - double(x) * b.z,
                       double(x) * b.y - double(y) * b.x);
}

void CVector3::Normalize() {
    const double r = 1.0 / std::sqrt(Dot(*this));
    *this = FromDoubles(x * r, y * r, z * r);
}

void CVector3::NormalizeOrZero() {
    const double length = std::sqrt(Dot(*this));
    if (!(length > 0) || !std::isfinite(length)) {
        SetZero();
        return;
    }
    const double r = 1.0 / length;
    *this = FromDoubles(x * r, y * r, z * r);
    if (!IsFinite()) SetZero();
}

bool CVector3::IsFinite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }

CVector3 CVector3::operator*(const CMatrix4& matrix) const {
    const float* m = matrix.m;
    return FromDoubles(double(m[0]) * x + double(m[4]) * y + double(m[8]) * z + m[12],
                       double(m[1]) * x + double(m[5]) * y + double(m[9]) * z + m[13],
                       double(m[2]) * x + double(m[6]) * y + double(m[10]) * z + m[14]);
}

CVector3& CVector3::operator*=(const CMatrix4& m) { return *this = *this * m; }

void CVector3::RotateByTransposed(const CMatrix4& matrix) {
    const float* m = matrix.m;
    *this = FromDoubles(double(m[0]) * x + double(m[1]) * y + double(m[2]) * z,
                        double(m[4]) * x + double(m[5]) * y + double(m[6]) * z,
                        double(m[8]) * x + double(m[9]) * y + double(m[10]) * z);
}
