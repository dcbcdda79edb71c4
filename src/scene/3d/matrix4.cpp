#include "scene/3d/matrix4.h"

#include <cmath>

#include "scene/3d/sine_table.h"

namespace {

struct SineCosine {
    float s;
    float c;
};

SineCosine FromTable(float angle) {
    const int index = AngleToIndex(angle);
    return {SineTable[index], SineTable[index + kSineQuarterTurn]};
}

}  // namespace

void CMatrix4::SetIdentity() {
    for (int i = 0; i < 16; ++i) m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

void CMatrix4::Multiply(CMatrix4& out, const CMatrix4& a, const CMatrix4& b) {
    float result[16];
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += double(a.m[row * 4 + k]) * b.m[k * 4 + column];
            result[row * 4 + column] = static_cast<float>(sum);
        }
    }
    for (int i = 0; i < 16; ++i) out.m[i] = result[i];
}

CMatrix4& CMatrix4::operator*=(const CMatrix4& b) {
    Multiply(*this, *this, b);
    return *this;
}

CMatrix4 CMatrix4::RotationX(float angle) {
    const SineCosine t = FromTable(angle);
    CMatrix4 r;
    r.m[5] = t.c;
    r.m[6] = t.s;
    r.m[9] = -t.s;
    r.m[10] = t.c;
    return r;
}

CMatrix4 CMatrix4::RotationY(float angle) {
    const SineCosine t = FromTable(angle);
    CMatrix4 r;
    r.m[0] = t.c;
    r.m[2] = -t.s;
    r.m[8] = t.s;
    r.m[10] = t.c;
    return r;
}

CMatrix4 CMatrix4::RotationZ(float angle) {
    const SineCosine t = FromTable(angle);
    CMatrix4 r;
    r.m[0] = t.c;
    r.m[1] = t.s;
    r.m[4] = -t.s;
    r.m[5] = t.c;
    return r;
}

void CMatrix4::RotateZXY(float ax, float ay, float az) {
    *this *= RotationZ(az);
    *this *= RotationX(ax);
    *this *= RotationY(ay);
}

void CMatrix4::RotateYXZ(float ax, float ay, float az) {
    *this *= RotationY(ay);
    *this *= RotationX(ax);
    *this *= RotationZ(az);
}

void CMatrix4::Translate(float x, float y, float z) {
    CMatrix4 t;
    t.m[12] = x;
    t.m[13] = y;
    t.m[14] = z;
    *this *= t;
}

void CMatrix4::Scale(float x, float y, float z) {
    CMatrix4 s;
    s.m[0] = x;
    s.m[5] = y;
    s.m[10] = z;
    *this *= s;
}

void CMatrix4::SetInverseRigid(const CMatrix4& source) {
    const float* a = source.m;
    float r[16];
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) r[row * 4 + column] = a[column * 4 + row];
        r[row * 4 + 3] = 0;
    }
    for (int i = 0; i < 3; ++i) {
        r[12 + i] = static_cast<float>(
            -(double(a[12]) * a[i * 4] + double(a[13]) * a[i * 4 + 1] + double(a[14]) * a[i * 4 + 2]));
    }
    r[15] = 1;
    for (int i = 0; i < 16; ++i) m[i] = r[i];
}

bool CMatrix4::SetInverseAffine(const CMatrix4& source) {
    const float* a = source.m;
    // Cofactors of the 3 x 3 part, in double.
    const double c00 = double(a[5]) * a[10] - double(a[6]) * a[9];
    const double c01 = double(a[6]) * a[8] - double(a[4]) * a[10];
    const double c02 = double(a[4]) * a[9] - double(a[5]) * a[8];
    const double det = a[0] * c00 + a[1] * c01 + a[2] * c02;
    if (!std::isfinite(det) || det == 0) return false;
    const double d = 1.0 / det;
    double inv[9];
    inv[0] = c00 * d;
    inv[1] = (double(a[2]) * a[9] - double(a[1]) * a[10]) * d;
    inv[2] = (double(a[1]) * a[6] - double(a[2]) * a[5]) * d;
    inv[3] = c01 * d;
    inv[4] = (double(a[0]) * a[10] - double(a[2]) * a[8]) * d;
    inv[5] = (double(a[2]) * a[4] - double(a[0]) * a[6]) * d;
    inv[6] = c02 * d;
    inv[7] = (double(a[1]) * a[8] - double(a[0]) * a[9]) * d;
    inv[8] = (double(a[0]) * a[5] - double(a[1]) * a[4]) * d;
    float r[16];
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) r[row * 4 + column] = static_cast<float>(inv[row * 3 + column]);
        r[row * 4 + 3] = 0;
    }
    // The translation row: -t x inverse.
    for (int column = 0; column < 3; ++column) {
        r[12 + column] = static_cast<float>(-(double(a[12]) * inv[column] + double(a[13]) * inv[3 + column] +
                                              double(a[14]) * inv[6 + column]));
    }
    r[15] = 1;
    for (int i = 0; i < 16; ++i) m[i] = r[i];
    return true;
}
