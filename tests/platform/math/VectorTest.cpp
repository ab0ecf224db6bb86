#include "tests/platform/math/MathExpect.h"
#include "ui_widgets/platform/math/Box.h"
#include "ui_widgets/platform/math/Color.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/math/Vector2.h"
#include "ui_widgets/platform/math/Vector3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using Kairn::Objects::Matrix4;
using Kairn::Objects::Vector2;
using Kairn::Objects::Vector3;
using MathTest::near;

namespace {
constexpr float pi = std::numbers::pi_v<float>;
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
} // namespace

TEST(VecTest, NormalizedGivesZeroWithoutADirection)
{
    EXPECT_EQ(Lumo::normalized(Lumo::float3{0, 3, 4}), (Lumo::float3{0, 0.6f, 0.8f}));
    EXPECT_EQ(Lumo::normalized(Lumo::float3{0, 0, 0}), (Lumo::float3{}));
    EXPECT_EQ(Lumo::normalized(Lumo::float3{notANumber, 1, 0}), (Lumo::float3{}));
    EXPECT_EQ(Lumo::normalized(Lumo::float3{std::numeric_limits<float>::infinity(), 1, 0}), (Lumo::float3{}));
    EXPECT_EQ(Lumo::cross(Lumo::float3{1, 0, 0}, Lumo::float3{0, 1, 0}), (Lumo::float3{0, 0, 1}));

    Vector2<float> onScreen(3, -4);
    onScreen.normalize();
    EXPECT_FLOAT_EQ(onScreen.x, 0.6f);
    EXPECT_FLOAT_EQ(onScreen.y, -0.8f);
    EXPECT_EQ(Vector2<float>(0, 0).normalize(), Vector2<float>(0, 0));
}

TEST(Vector3Test, NegateAndNormalizeChangeTheVectorInPlace)
{
    Vector3<float> v(1, -2, 2);
    v.negate();
    EXPECT_EQ(v, Vector3<float>(-1, 2, -2));
    EXPECT_TRUE(near(v.normalize(), {-1.0f / 3, 2.0f / 3, -2.0f / 3}));
    EXPECT_FLOAT_EQ(v.length(), 1);
    const Lumo::float3 plain = Vector3<double>(1.5, 2.5, -3.5).toFloat();
    EXPECT_EQ(plain, (Lumo::float3{1.5f, 2.5f, -3.5f}));
}

TEST(Vector3Test, PerpendicularVectorIsUnitAndPerpendicular)
{
    for (const Vector3<float>& v : {Vector3<float>(1, 0, 0), Vector3<float>(0, 0, -5), Vector3<float>(1, 2, 3),
                                    Vector3<float>(-0.001f, 1e-4f, 0)}) {
        const Vector3<float> p = v.getPerpendicularVector();
        EXPECT_NEAR(p.length(), 1, 1e-6f) << MathTest::describe(v);
        EXPECT_NEAR(p.dot(v.normalized()), 0, 1e-6f) << MathTest::describe(v);
    }
    EXPECT_TRUE(Vector3<float>(0, 0, 0).getPerpendicularVector().isZero());
    EXPECT_TRUE(Vector3<float>(notANumber, 0, 0).getPerpendicularVector().isZero());
}

TEST(Vector3Test, SignedAngleToGeneralParallelAndOppositeVectors)
{
    const Vector3<float> x(2, 0, 0);
    Vector3<float> axis(9, 9, 9);

    // 45 degrees toward +y turns about +z; toward -y about -z.
    EXPECT_FLOAT_EQ(x.getSignedAngleTo({1, 1, 0}, axis), pi / 4);
    EXPECT_TRUE(near(axis, {0, 0, 1}));
    EXPECT_FLOAT_EQ(x.getSignedAngleTo({1, -1, 0}, axis), pi / 4);
    EXPECT_TRUE(near(axis, {0, 0, -1}));

    // Parallel and opposite: the axis is exactly zero, the angle 0 or pi.
    EXPECT_FLOAT_EQ(x.getSignedAngleTo({5, 0, 0}, axis), 0);
    EXPECT_EQ(axis, Vector3<float>(0, 0, 0));
    axis = {1, 1, 1};
    EXPECT_FLOAT_EQ(x.getSignedAngleTo({-3, 0, 0}, axis), pi);
    EXPECT_EQ(axis, Vector3<float>(0, 0, 0));

    // Degenerate input: angle 0 and zero axis.
    axis = {1, 1, 1};
    EXPECT_EQ(x.getSignedAngleTo({0, 0, 0}, axis), 0);
    EXPECT_EQ(axis, Vector3<float>(0, 0, 0));
    axis = {1, 1, 1};
    EXPECT_EQ(x.getSignedAngleTo({notANumber, 1, 0}, axis), 0);
    EXPECT_EQ(axis, Vector3<float>(0, 0, 0));

    // In general, turning a by the angle about the axis points it along b.
    const Vector3<float> a(1, 2, 3), b(-2, 0.5f, 1);
    const float angle = a.getSignedAngleTo(b, axis);
    EXPECT_GT(angle, 0);
    EXPECT_LT(angle, pi);
    EXPECT_TRUE(near(Matrix4<float>::Rotation(axis, angle).transformVector(a).normalized(), b.normalized()));
}

TEST(BoxTest, CentreAndLengthsOfABoxAndAnEmptyOne)
{
    Kairn::Objects::Box<double> box({4, -1, 2}, {0, 3, 2});
    EXPECT_FALSE(box.isEmpty());
    EXPECT_EQ(box.center(), Vector3<double>(2, 1, 2));
    EXPECT_EQ(box.xLength(), 4);
    EXPECT_EQ(box.yLength(), 4);
    EXPECT_EQ(box.zLength(), 0);

    Kairn::Objects::Box<double> grown;
    EXPECT_TRUE(grown.isEmpty());
    EXPECT_EQ(grown.xLength(), 0);
    grown.extend({1, 1, 1});
    grown.extend({3, -1, 1});
    grown.extend({std::nan(""), 100, 100});
    EXPECT_EQ(grown.min(), Vector3<double>(1, -1, 1));
    EXPECT_EQ(grown.max(), Vector3<double>(3, 1, 1));
}

TEST(ColorTest, ColoursConvertToAndFromVec4)
{
    const Kairn::Objects::Color4 c(Kairn::Objects::Color3(0.1f, 0.2f, 0.3f), 0.4f);
    const Lumo::vec4<float> v = c;
    EXPECT_EQ(v, (Lumo::vec4<float>{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(Kairn::Objects::Color4(v), c);
    EXPECT_EQ(Kairn::Objects::Color4(), Kairn::Objects::Color4(0, 0, 0, 1));
}
