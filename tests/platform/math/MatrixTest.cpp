#include "tests/platform/math/MathExpect.h"
#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/Matrix4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using Kairn::Objects::Matrix4;
using Kairn::Objects::Vector3;
using Lumo::Objects::ADevMatrix;
using Lumo::Objects::XLine;
using MathTest::near;

namespace {
constexpr float pi = std::numbers::pi_v<float>;
}

TEST(ADevMatrixTest, PointsAreRowVectorsWithTranslationInTheFourthRow)
{
    ADevMatrix m;
    m.M21 = 2; // y feeds into x'
    m.M41 = 10;
    m.M43 = -1;
    // x' = x.M11 + y.M21 + z.M31 + M41 = 1 + 2.3 + 0 + 10 = 17; y' = 3; z' = 5 - 1 = 4
    EXPECT_TRUE(near(m.transformPoint({1, 3, 5}), {17, 3, 4}));
    // A direction ignores the translation row: x' = 1 + 6 = 7.
    EXPECT_TRUE(near(m.transformVector({1, 3, 5}), {7, 3, 5}));
    EXPECT_TRUE(ADevMatrix().IsIdentity());
    EXPECT_FALSE(m.IsIdentity());
}

TEST(ADevMatrixTest, MultiplyAppliesTheFirstMatrixFirst)
{
    const ADevMatrix translate = ADevMatrix::Translation({1, 0, 0});
    const ADevMatrix scale = ADevMatrix::Scale({2, 2, 2});
    // Origin moved to (1, 0, 0), then doubled: (2, 0, 0). The other order leaves it at (1, 0, 0).
    EXPECT_TRUE(near(ADevMatrix::Multiply(translate, scale).transformPoint({0, 0, 0}), {2, 0, 0}));
    EXPECT_TRUE(near(ADevMatrix::Multiply(scale, translate).transformPoint({0, 0, 0}), {1, 0, 0}));

    ADevMatrix aliased = translate;
    ADevMatrix::SetMultiply(aliased, aliased, scale);
    EXPECT_EQ(aliased, ADevMatrix::Multiply(translate, scale));

    const Matrix4<float> t = Matrix4<float>::Translation({1, 0, 0});
    const Matrix4<float> s = Matrix4<float>::Scale({2, 2, 2}, {0, 0, 0});
    EXPECT_TRUE(near((t * s).transformPoint({0, 0, 0}), {2, 0, 0}));
    EXPECT_EQ(ADevMatrix(t * s), ADevMatrix::Multiply(translate, scale));
}

TEST(ADevMatrixTest, InvertRoundTripsAndRefusesSingularMatrices)
{
    const XLine<float> line({1, -2, 0.5f}, {1, 2, 2});
    const ADevMatrix m = Matrix4<float>::Rotation(line, 0.7f) * Matrix4<float>::Scale({2, 3, 0.5f}, {4, 0, 1})
        * Matrix4<float>::Translation({5, -6, 7});
    ADevMatrix inverse;
    ASSERT_TRUE(ADevMatrix::Invert(m, inverse));
    EXPECT_TRUE(near(ADevMatrix::Multiply(m, inverse), ADevMatrix(), 1e-5f));
    EXPECT_TRUE(near(inverse.transformPoint(m.transformPoint({3, 4, 5})), {3, 4, 5}, 1e-4f));

    // A far-away translation does not make a well-conditioned matrix look singular.
    const ADevMatrix far = Matrix4<float>::Rotation(Vector3<float>(0, 0, 1), 1.0f) * Matrix4<float>::Translation({1e6f, 0, 0});
    EXPECT_TRUE(ADevMatrix::Invert(far, inverse));
    EXPECT_TRUE(near(inverse.transformPoint(far.transformPoint({1, 2, 3})), {1, 2, 3}, 0.25f));

    // A projective matrix (last column not 0, 0, 0, 1) inverts as a full 4x4: with M14 = a and
    // M41 = b on the identity the determinant is 1 - ab, so a = 0.5, b = 1 inverts and b = 2 not.
    ADevMatrix projective;
    projective.M14 = 0.5f;
    projective.M41 = 1;
    ASSERT_TRUE(ADevMatrix::Invert(projective, inverse));
    EXPECT_TRUE(near(ADevMatrix::Multiply(projective, inverse), ADevMatrix()));
    projective.M41 = 2;
    EXPECT_FALSE(ADevMatrix::Invert(projective, inverse));

    // A zero-height box scale and a matrix with a NaN have no inverse: false and the identity.
    const ADevMatrix flat = ADevMatrix::Scale({2, 0, 3});
    inverse = ADevMatrix::Translation({1, 1, 1});
    EXPECT_FALSE(ADevMatrix::Invert(flat, inverse));
    EXPECT_TRUE(inverse.IsIdentity());
    ADevMatrix broken;
    broken.M22 = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(ADevMatrix::Invert(broken, inverse));
    EXPECT_TRUE(ADevMatrix::Invert(broken).IsIdentity());
}

TEST(Matrix4Test, RotationAboutAnAxisTurnsCounterClockwiseSeenFromItsTip)
{
    // Seen from +z looking down, counter-clockwise takes +x to +y.
    const Matrix4<float> quarter = Matrix4<float>::Rotation(Vector3<float>(0, 0, 1), pi / 2);
    EXPECT_TRUE(near(quarter.transformPoint({1, 0, 0}), {0, 1, 0}));
    const Matrix4<float> reversed = Matrix4<float>::Rotation(Vector3<float>(0, 0, -3), pi / 2);
    EXPECT_TRUE(near(reversed.transformPoint({1, 0, 0}), {0, -1, 0}));

    EXPECT_TRUE(Matrix4<float>::Rotation(Vector3<float>(0, 0, 0), 1.0f).isIdentity());
    EXPECT_TRUE(Matrix4<float>::Rotation(Vector3<float>(0, 0, 1), std::numeric_limits<float>::infinity()).isIdentity());
}

TEST(Matrix4Test, RotationAboutALineKeepsTheLineFixed)
{
    const Vector3<float> point(1, -2, 0.5f);
    const Vector3<float> direction(1, 1, 1);
    // A third of a turn about (1, 1, 1) permutes the axes x -> y -> z (right-hand rule).
    const Matrix4<float> r = Matrix4<float>::Rotation(XLine<float>(point, direction), 2 * pi / 3);
    for (float s : {-2.0f, 0.0f, 3.5f})
        EXPECT_TRUE(near(r.transformPoint(point + direction * s), point + direction * s, 1e-5f)) << "s = " << s;
    EXPECT_TRUE(near(r.transformPoint(point + Vector3<float>(1, 0, 0)), point + Vector3<float>(0, 1, 0)));
    EXPECT_TRUE(near(r.transformPoint(point + Vector3<float>(0, 0, 2)), point + Vector3<float>(2, 0, 0)));
    // Directions turn without the offset.
    EXPECT_TRUE(near(r.transformVector({0, 1, 0}), {0, 0, 1}));

    // A line with no direction rotates nothing.
    EXPECT_TRUE(Matrix4<float>::Rotation(XLine<float>(point, {0, 0, 0}), 1.0f).isIdentity());
}

TEST(Matrix4Test, ScaleAboutACenterAndExtractScale)
{
    const Vector3<float> center(1, 2, 3);
    const Matrix4<float> scale = Matrix4<float>::Scale({2, 3, 4}, center);
    EXPECT_TRUE(near(scale.transformPoint(center), center));
    // (2, 2, 3) is one unit along x from the centre: it ends two units away.
    EXPECT_TRUE(near(scale.transformPoint({2, 2, 3}), {3, 2, 3}));

    const Matrix4<float> turned = scale * Matrix4<float>::Rotation(Vector3<float>(1, 2, -1), 0.9f)
        * Matrix4<float>::Translation({7, 8, 9});
    EXPECT_TRUE(near(turned.extractScale(), {2, 3, 4}, 1e-5f));
    EXPECT_TRUE(near(Matrix4<float>::Scale({-2, 1, 0.5f}).extractScale(), {2, 1, 0.5f}));
}

TEST(Matrix4Test, OverrideTranslationAndConversionsKeepTheRows)
{
    Matrix4<float> m = Matrix4<float>::Rotation(Vector3<float>(0, 1, 0), 0.3f);
    const Matrix4<float> rotation = m;
    m.overrideTranslation({4, 5, 6});
    EXPECT_TRUE(near(m.transformVector({1, 2, 3}), rotation.transformVector({1, 2, 3})));
    EXPECT_TRUE(near(m.transformPoint({0, 0, 0}), {4, 5, 6}));

    const ADevMatrix a = m;
    EXPECT_EQ(a.M41, 4);
    EXPECT_EQ(a.M42, 5);
    EXPECT_EQ(a.M43, 6);
    EXPECT_EQ(Matrix4<float>(a), m);
    EXPECT_TRUE(m.SetIdentity().isIdentity());
}
