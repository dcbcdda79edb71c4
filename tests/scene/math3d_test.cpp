#include <gtest/gtest.h>

#include <cmath>

#include "scene/3d/matrix4.h"
#include "scene/3d/sine_table.h"
#include "scene/3d/vector3.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

class Math3D : public ::testing::Test {
protected:
    void SetUp() override { BuildSineTable(); }
};

void ExpectMatrix(const CMatrix4& actual, const float (&expected)[16], float tolerance) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual.m[i], expected[i], tolerance) << "element " << i;
}

TEST_F(Math3D, SineEntriesFollowTheStep) {
    const int kIndices[] = {0, 1, 512, 1024, 2048, 3072, 4095, 4096, 5119};
    for (int i : kIndices) {
        EXPECT_EQ(SineTable[i], static_cast<float>(std::sin(static_cast<long double>(i) * 0.00153398046875L)))
            << "entry " << i;
    }
    EXPECT_FLOAT_EQ(SineTable[1024], 1.0f);
    EXPECT_NEAR(SineTable[1024 + 1024], 0.0f, 1e-6f);
    const float first = SineTable[77];
    BuildSineTable();
    EXPECT_EQ(SineTable[77], first);
}

TEST_F(Math3D, AnglesBecomeTableIndices) {
    const struct {
        double angle;
        int index;
    } kCases[] = {
        {0.0, 0},
        {kPi / 2, 1024},
        {-kPi / 2, 3072},
        {2 * kPi, 0},
        {kPi, 2048},
        {-0.0015, 0},          // truncation toward zero before the mask
        {-0.0016, 4095},
        {0.0016, 1},
        {4 * kPi + kPi / 2, 1024},
        {1e30, AngleToIndex(1e30)},  // stays in range
        {NAN, 0},
        {INFINITY, 0},
    };
    for (const auto& c : kCases) {
        const int index = AngleToIndex(c.angle);
        EXPECT_EQ(index, c.index) << "angle " << c.angle;
        EXPECT_GE(index, 0);
        EXPECT_LT(index, 4096);
    }
}

TEST_F(Math3D, AxisRotationLayouts) {
    const float a = static_cast<float>(kPi / 6);
    const float s = SineTable[AngleToIndex(a)];
    const float c = SineTable[AngleToIndex(a) + 1024];
    const float rx[16] = {1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1};
    const float ry[16] = {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1};
    const float rz[16] = {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    ExpectMatrix(CMatrix4::RotationX(a), rx, 0);
    ExpectMatrix(CMatrix4::RotationY(a), ry, 0);
    ExpectMatrix(CMatrix4::RotationZ(a), rz, 0);
    // Composed through the identity, each single-axis turn gives its layout.
    CMatrix4 m;
    m.RotateZXY(a, 0, 0);
    ExpectMatrix(m, rx, 1e-7f);
    m.SetIdentity();
    m.RotateYXZ(0, a, 0);
    ExpectMatrix(m, ry, 1e-7f);
    m.SetIdentity();
    m.RotateZXY(0, 0, a);
    ExpectMatrix(m, rz, 1e-7f);
}

TEST_F(Math3D, OrderOfComposition) {
    // A point turned about Z by 90 degrees, then about X by 90 degrees.
    CMatrix4 m;
    m.RotateZXY(static_cast<float>(kPi / 2), 0, static_cast<float>(kPi / 2));
    const CVector3 p = CVector3(1, 0, 0) * m;
    // Z: (1, 0, 0) -> (0, 1, 0); X: (0, 1, 0) -> (0, 0, 1).
    EXPECT_NEAR(p.x, 0, 1e-6);
    EXPECT_NEAR(p.y, 0, 1e-6);
    EXPECT_NEAR(p.z, 1, 1e-6);
    // Translate then scale: the move is scaled too.
    CMatrix4 t;
    t.Translate(1, 2, 3);
    t.Scale(2, 3, 4);
    const CVector3 q = CVector3(1, 1, 1) * t;
    EXPECT_FLOAT_EQ(q.x, 4);
    EXPECT_FLOAT_EQ(q.y, 9);
    EXPECT_FLOAT_EQ(q.z, 16);
}

TEST_F(Math3D, RotateYXZWithNegatedAnglesUndoesRotateZXY) {
    const float kAngles[][3] = {{0.3f, -1.2f, 2.5f}, {3.0f, 0.1f, -0.7f}, {-2.2f, 2.9f, 1.6f}};
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    for (const auto& a : kAngles) {
        CMatrix4 m;
        m.RotateZXY(a[0], a[1], a[2]);
        m.RotateYXZ(-a[0], -a[1], -a[2]);
        ExpectMatrix(m, identity, 1e-5f);
    }
}

TEST_F(Math3D, InversesTimesTheMatrixGiveTheIdentity) {
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    CMatrix4 rigid;
    rigid.RotateZXY(0.4f, -1.1f, 2.0f);
    rigid.Translate(3, -5, 7);
    CMatrix4 inverse;
    inverse.SetInverseRigid(rigid);
    CMatrix4 product;
    CMatrix4::Multiply(product, rigid, inverse);
    ExpectMatrix(product, identity, 1e-5f);

    CMatrix4 scaled = rigid;
    scaled.Scale(2, 0.5f, 3);
    ASSERT_TRUE(inverse.SetInverseAffine(scaled));
    CMatrix4::Multiply(product, scaled, inverse);
    ExpectMatrix(product, identity, 1e-5f);
    // At scale 1 the full inverse is the rigid one.
    CMatrix4 full;
    ASSERT_TRUE(full.SetInverseAffine(rigid));
    CMatrix4 rigidInverse;
    rigidInverse.SetInverseRigid(rigid);
    ExpectMatrix(full, rigidInverse.m, 1e-5f);

    CMatrix4 flat;
    flat.Scale(1, 0, 1);
    const CMatrix4 before = inverse;
    EXPECT_FALSE(inverse.SetInverseAffine(flat));
    ExpectMatrix(inverse, before.m, 0);
}

TEST_F(Math3D, VectorOperations) {
    CMatrix4 m;
    for (int i = 0; i < 16; ++i) m.m[i] = static_cast<float>(i + 1);
    const CVector3 p = CVector3(1, 2, 3) * m;
    // x' = m0 x + m4 y + m8 z + m12 and so on.
    EXPECT_FLOAT_EQ(p.x, 1 * 1 + 5 * 2 + 9 * 3 + 13);
    EXPECT_FLOAT_EQ(p.y, 2 * 1 + 6 * 2 + 10 * 3 + 14);
    EXPECT_FLOAT_EQ(p.z, 3 * 1 + 7 * 2 + 11 * 3 + 15);
    CVector3 d(1, 2, 3);
    d.RotateByTransposed(m);
    EXPECT_FLOAT_EQ(d.x, 1 * 1 + 2 * 2 + 3 * 3);
    EXPECT_FLOAT_EQ(d.y, 5 * 1 + 6 * 2 + 7 * 3);
    EXPECT_FLOAT_EQ(d.z, 9 * 1 + 10 * 2 + 11 * 3);
    const CVector3 c = CVector3(1, 0, 0).Cross(CVector3(0, 1, 0));
    EXPECT_EQ(c.z, 1);
    EXPECT_DOUBLE_EQ(CVector3(1, 2, 3).Dot(CVector3(4, -5, 6)), 12);
    const CVector3 h = CVector3(2, 4, 6) / 2.0f;
    EXPECT_FLOAT_EQ(h.y, 2);
    CVector3 n(3, 0, 4);
    n.Normalize();
    EXPECT_FLOAT_EQ(n.x, 0.6f);
    CVector3 zero;
    zero.NormalizeOrZero();
    EXPECT_TRUE(zero.IsZero());
    CVector3 huge(INFINITY, 0, 0);
    huge.NormalizeOrZero();
    EXPECT_TRUE(huge.IsZero());
}

}  // namespace
