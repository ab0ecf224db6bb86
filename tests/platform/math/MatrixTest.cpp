#include "tests/platform/math/MathExpect.h"
#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/Matrix4.h"

#include <gtest/gtest.h>

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

TEST(ADevMatrixTest, RowVectorsAndTheFirstMatrixFirst)
{
    ADevMatrix m;
    m.M21 = 2; // y feeds into x'
    m.M41 = 10;
    // x' = x.M11 + y.M21 + z.M31 + M41 = 1 + 2.3 + 0 + 10 = 17; a direction ignores the fourth row.
    EXPECT_TRUE(near(m.transformPoint({1, 3, 5}), {17, 3, 5}));
    EXPECT_TRUE(near(m.transformVector({1, 3, 5}), {7, 3, 5}));
    // Origin moved to (1, 0, 0), then doubled: (2, 0, 0). The other order leaves it at (1, 0, 0).
    const ADevMatrix translate = ADevMatrix::Translation({1, 0, 0});
    const ADevMatrix scale = ADevMatrix::Scale({2, 2, 2});
    EXPECT_TRUE(near(ADevMatrix::Multiply(translate, scale).transformPoint({0, 0, 0}), {2, 0, 0}));
    EXPECT_TRUE(near(ADevMatrix::Multiply(scale, translate).transformPoint({0, 0, 0}), {1, 0, 0}));
    EXPECT_EQ(ADevMatrix(Matrix4<float>::Translation({1, 0, 0}) * Matrix4<float>::Scale({2, 2, 2}, {0, 0, 0})),
              ADevMatrix::Multiply(translate, scale));
}

TEST(ADevMatrixTest, InvertRoundTripsAndRefusesSingularMatrices)
{
    const ADevMatrix m = Matrix4<float>::Rotation(XLine<float>({1, -2, 0.5f}, {1, 2, 2}), 0.7f)
        * Matrix4<float>::Scale({2, 3, 0.5f}, {4, 0, 1}) * Matrix4<float>::Translation({5, -6, 7});
    ADevMatrix inverse;
    ASSERT_TRUE(ADevMatrix::Invert(m, inverse));
    EXPECT_TRUE(near(ADevMatrix::Multiply(m, inverse), ADevMatrix(), 1e-5f));
    // A zero-height box scale and a matrix with a NaN have no inverse: false and the identity.
    inverse = ADevMatrix::Translation({1, 1, 1});
    EXPECT_FALSE(ADevMatrix::Invert(ADevMatrix::Scale({2, 0, 3}), inverse));
    EXPECT_TRUE(inverse.IsIdentity());
    ADevMatrix broken;
    broken.M22 = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(ADevMatrix::Invert(broken).IsIdentity());
}

TEST(Matrix4Test, RotationTurnsCounterClockwiseSeenFromTheTipAndKeepsItsLineFixed)
{
    // Seen from +z looking down, counter-clockwise takes +x to +y.
    EXPECT_TRUE(near(Matrix4<float>::Rotation(Vector3<float>(0, 0, 1), pi / 2).transformPoint({1, 0, 0}), {0, 1, 0}));
    EXPECT_TRUE(near(Matrix4<float>::Rotation(Vector3<float>(0, 0, -3), pi / 2).transformPoint({1, 0, 0}), {0, -1, 0}));
    // A third of a turn about (1, 1, 1) through `point` permutes the axes x -> y -> z.
    const Vector3<float> point(1, -2, 0.5f), direction(1, 1, 1);
    const Matrix4<float> r = Matrix4<float>::Rotation(XLine<float>(point, direction), 2 * pi / 3);
    EXPECT_TRUE(near(r.transformPoint(point + direction * 3.5f), point + direction * 3.5f, 1e-5f));
    EXPECT_TRUE(near(r.transformPoint(point + Vector3<float>(1, 0, 0)), point + Vector3<float>(0, 1, 0)));
    EXPECT_TRUE(Matrix4<float>::Rotation(XLine<float>(point, {0, 0, 0}), 1.0f).isIdentity());
    EXPECT_TRUE(Matrix4<float>::Rotation(Vector3<float>(0, 0, 1), std::numeric_limits<float>::infinity()).isIdentity());
}
