#include "tests/platform/math/MathExpect.h"
#include "ui_widgets/platform/math/Circle3.h"
#include "ui_widgets/platform/math/LineRayDistance.h"
#include "ui_widgets/platform/math/Projection.h"
#include "ui_widgets/platform/math/Ray3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

using Kairn::Objects::Circle3;
using Kairn::Objects::computeLineRayDistance;
using Kairn::Objects::Ray3;
using Kairn::Objects::Vector3;
using Lumo::Objects::XLine;
using MathTest::near;
namespace Projection = Kairn::Objects::Projection;

namespace {
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float infinite = std::numeric_limits<float>::infinity();
}

// What the axis widgets' drag steps are made of; the hit-or-miss edges are not reached by a drag.
TEST(LineRayDistanceTest, ClosestPointsAgainstHandComputedCasesAndDegenerateInput)
{
    // Line through the origin along (1, 1, 0); the ray from (1, 0, 2) straight down meets z = 0 at
    // (1, 0, 0) after 2 units, whose foot on the line is (0.5, 0.5, 0): squared distance 0.25 + 0.25.
    const XLine<float> diagonal({0, 0, 0}, {1, 1, 0});
    auto closest = computeLineRayDistance(diagonal, Ray3<float>({1, 0, 2}, {0, 0, -1}));
    ASSERT_TRUE(closest.valid);
    EXPECT_NEAR(closest.squaredDistance, 0.5f, 1e-5f);
    EXPECT_TRUE(near(closest.pointOnLine, {0.5f, 0.5f, 0}));
    EXPECT_TRUE(near(closest.pointOnRay, {1, 0, 0}));
    EXPECT_NEAR(closest.rayParameter, 2, 1e-5f);
    EXPECT_NEAR(closest.lineParameter, 0.5f, 1e-5f);
    // A ray pointing away is clamped at its origin: squared distance 0.5 + 2^2.
    closest = computeLineRayDistance(diagonal, Ray3<float>({1, 0, 2}, {0, 0, 1}));
    EXPECT_NEAR(closest.squaredDistance, 4.5f, 1e-5f);
    EXPECT_EQ(closest.rayParameter, 0);
    // Parallel: 4 away everywhere; the ray's origin and its foot (3, 0, 0) are reported.
    closest = computeLineRayDistance(XLine<float>({0, 0, 0}, {1, 0, 0}), Ray3<float>({3, 4, 0}, {-1, 0, 0}));
    ASSERT_TRUE(closest.valid);
    EXPECT_TRUE(near(closest.pointOnLine, {3, 0, 0}));

    const XLine<float> line({0, 0, 0}, {1, 0, 0});
    EXPECT_FALSE(computeLineRayDistance(line, Ray3<float>({0, 1, 0}, {0, 0, 0})).valid);
    EXPECT_FALSE(computeLineRayDistance(line, Ray3<float>({0, 1, 0}, {notANumber, 0, 1})).valid);
    EXPECT_FALSE(computeLineRayDistance(XLine<float>({0, 0, 0}, {infinite, 0, 0}), Ray3<float>({0, 1, 0}, {0, 0, 1})).valid);
}

TEST(ProjectionTest, IntersectionsHitWhereTheGeometrySaysAndWriteNothingOnAMiss)
{
    Vector3<float> hit(9, 9, 9);
    // From (0, 0, 5) along (1, 0, -1): z = 1 after 4 units, at x = 4.
    ASSERT_TRUE(Projection::intersectRayPlane(Ray3<float>({0, 0, 5}, {1, 0, -1}), {7, 7, 1}, {0, 0, -3}, hit));
    EXPECT_TRUE(near(hit, {4, 0, 1}));
    // Grazing, 3-4-5: from (-5, 0.6, 0) the ray meets the unit sphere at (-0.8, 0.6, 0); from
    // inside it leaves through the far side.
    ASSERT_TRUE(Projection::intersectRaySphere(Ray3<float>({-5, 0.6f, 0}, {1, 0, 0}), {0, 0, 0}, 1, hit));
    EXPECT_TRUE(near(hit, {-0.8f, 0.6f, 0}));
    ASSERT_TRUE(Projection::intersectRaySphere(Ray3<float>({0.5f, 0, 0}, {1, 0, 0}), {0, 0, 0}, 1, hit));
    EXPECT_TRUE(near(hit, {1, 0, 0}));
    ASSERT_TRUE(Projection::nearestPointOnCircle(Circle3<float>({1, 1, 1}, {0, 0, 1}, 2), {1, -4, 7}, hit));
    EXPECT_TRUE(near(hit, {1, -1, 1}));

    hit = {9, 9, 9};
    for (const auto& [direction, normal] : {std::pair<Vector3<float>, Vector3<float>>{{1, 0, 0}, {0, 0, 1}},
                                            {{0, 0, 1}, {0, 0, 1}}, {{0, 0, -1}, {0, 0, 0}}, {{0, 0, 0}, {0, 0, 1}}})
        EXPECT_FALSE(Projection::intersectRayPlane(Ray3<float>({0, 0, 5}, direction), {0, 0, 1}, normal, hit));
    EXPECT_FALSE(Projection::intersectRaySphere(Ray3<float>({-5, 2, 0}, {1, 0, 0}), {0, 0, 0}, 1, hit));
    EXPECT_FALSE(Projection::intersectRaySphere(Ray3<float>({-5, 0, 0}, {-1, 0, 0}), {0, 0, 0}, 1, hit));
    EXPECT_FALSE(Projection::intersectRaySphere(Ray3<float>({-5, 0, 0}, {1, 0, 0}), {0, 0, 0}, notANumber, hit));
    EXPECT_FALSE(Projection::nearestPointOnCircle(Circle3<float>({1, 1, 1}, {0, 0, 1}, 2), {1, 1, 9}, hit));
    EXPECT_EQ(hit, Vector3<float>(9, 9, 9));
}
