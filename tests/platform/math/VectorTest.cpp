#include "tests/platform/math/MathExpect.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/math/Vector3.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>

using Kairn::Objects::Matrix4;
using Kairn::Objects::Vector3;
using MathTest::near;

namespace {
constexpr float pi = std::numbers::pi_v<float>;
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
} // namespace

TEST(VectorTest, NoDirectionGivesTheZeroVector)
{
    for (const Lumo::float3& bad : {Lumo::float3{0, 0, 0}, {notANumber, 1, 0}, {std::numeric_limits<float>::infinity(), 1, 0}})
        EXPECT_EQ(Lumo::normalized(bad), (Lumo::float3{}));
    EXPECT_TRUE(Vector3<float>(notANumber, 0, 0).getPerpendicularVector().isZero());
}

// The rotate widgets turn by this angle about this axis.
TEST(Vector3Test, SignedAngleToGeneralParallelAndOppositeVectors)
{
    const Vector3<float> x(2, 0, 0);
    Vector3<float> axis(9, 9, 9);
    // 45 degrees toward +y turns about +z; toward -y about -z.
    EXPECT_FLOAT_EQ(x.getSignedAngleTo({1, 1, 0}, axis), pi / 4);
    EXPECT_TRUE(near(axis, {0, 0, 1}));
    EXPECT_FLOAT_EQ(x.getSignedAngleTo({1, -1, 0}, axis), pi / 4);
    EXPECT_TRUE(near(axis, {0, 0, -1}));
    // Opposite and degenerate: the axis is exactly zero.
    EXPECT_FLOAT_EQ(x.getSignedAngleTo({-3, 0, 0}, axis), pi);
    EXPECT_EQ(axis, Vector3<float>(0, 0, 0));
    axis = {1, 1, 1};
    EXPECT_EQ(x.getSignedAngleTo({notANumber, 1, 0}, axis), 0);
    EXPECT_EQ(axis, Vector3<float>(0, 0, 0));

    // In general, turning a by the angle about the axis points it along b.
    const Vector3<float> a(1, 2, 3), b(-2, 0.5f, 1);
    const float angle = a.getSignedAngleTo(b, axis);
    EXPECT_TRUE(near(Matrix4<float>::Rotation(axis, angle).transformVector(a).normalized(), b.normalized()));
}
