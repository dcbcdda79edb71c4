// A 4 x 4 transform in row-major order for row vectors on the left: the
// translation lives in m[12], m[13], m[14], and the last column is 0, 0, 0, 1
// for every matrix built here. Every composing operation multiplies on the
// right (this = this x B), so B acts after what this already does.
#pragma once

#include "scene/3d/vector3.h"

class CMatrix4 {
public:
    CMatrix4() { SetIdentity(); }

    void SetIdentity();
    // out = a x b; out may be a or b.
    static void Multiply(CMatrix4& out, const CMatrix4& a, const CMatrix4& b);
    CMatrix4& operator*=(const CMatrix4& b);

    // this x (Rz(az) x Rx(ax) x Ry(ay)): a point turns about Z, then X, then Y.
    void RotateZXY(float ax, float ay, float az);
    void RotateZXY(const CVector3& angles) { RotateZXY(angles.x, angles.y, angles.z); }
    // this x (Ry(ay) x Rx(ax) x Rz(az)); with negated angles it undoes
    // RotateZXY.
    void RotateYXZ(float ax, float ay, float az);
    void RotateYXZ(const CVector3& angles) { RotateYXZ(angles.x, angles.y, angles.z); }
    void Translate(float x, float y, float z);
    void Translate(const CVector3& t) { Translate(t.x, t.y, t.z); }
    void Scale(float x, float y, float z);
    void Scale(const CVector3& s) { Scale(s.x, s.y, s.z); }

    // The inverse of a rotation-and-translation matrix: the transposed 3 x 3
    // part and the translation row -(t . row i).
    void SetInverseRigid(const CMatrix4& m);
    // The inverse of any matrix of this form (a scale included); false, and
    // this unchanged, when the 3 x 3 part cannot be inverted.
    bool SetInverseAffine(const CMatrix4& m);

    // The turn of one axis by an angle in radians, sine and cosine from the
    // table.
    static CMatrix4 RotationX(float angle);
    static CMatrix4 RotationY(float angle);
    static CMatrix4 RotationZ(float angle);

    float m[16];
};
