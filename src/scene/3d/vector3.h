// A point or a direction in 3D. Arithmetic is done in double and stored back
// as float.
#pragma once

class CMatrix4;

class CVector3 {
public:
    CVector3() : x(0), y(0), z(0) {}
    CVector3(float x, float y, float z) : x(x), y(y), z(z) {}

    CVector3 operator+(const CVector3& b) const;
    CVector3& operator+=(const CVector3& b);
    CVector3 operator-(const CVector3& b) const;
    CVector3 operator-() const;
    // Each component times the reciprocal of s.
    CVector3 operator/(float s) const;
    void SetZero() { x = y = z = 0; }
    double Dot(const CVector3& b) const;
    // this x b.
    CVector3 Cross(const CVector3& b) const;
    // Scales to length 1; a zero vector gives non-numbers, so callers that
    // may hold one use NormalizeOrZero.
    void Normalize();
    // Scales to length 1, or becomes (0, 0, 0) when the length is 0 or not
    // finite.
    void NormalizeOrZero();
    bool IsZero() const { return x == 0 && y == 0 && z == 0; }
    bool IsFinite() const;

    // The point times the matrix, translation included (a row vector on the
    // left).
    CVector3 operator*(const CMatrix4& m) const;
    CVector3& operator*=(const CMatrix4& m);
    // The direction times the transpose of the matrix's 3 x 3 part: for an
    // orthonormal matrix, the direction brought from outer space into the
    // matrix's own space.
    void RotateByTransposed(const CMatrix4& m);

    float x;
    float y;
    float z;
};
