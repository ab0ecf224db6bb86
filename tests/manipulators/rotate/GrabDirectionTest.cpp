#include "tests/manipulators/rotate/RotateTestSupport.h"
#include "ui_widgets/platform/math/GrabDirection.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace Kairn::Objects;
using namespace Kairn::Objects::Projection;
using RotateTest::near;

TEST(GrabDirectionTest, RingAndSphereDirections)
{
    // A ring of radius 2 about (1, 1, 1) in the plane z = 1, a sphere of radius 2 about the same
    // centre. Rays come from above (z = 9) straight down unless a row says otherwise.
    const Vector3<float> center(1, 1, 1);
    const Circle3<float> ring(center, {0, 0, 1}, 2);
    const Vector3<float> down(0, 0, -1);
    const float s = float(1 / std::sqrt(2.0));

    struct Row
    {
        const char* name;
        Ray3<float> ray;
        Vector3<float> ringDirection;
        Vector3<float> sphereDirection;
    };
    // Above (4, 1): the ring gives +X; the ray misses the sphere (3 > 2), see below.
    // Above (2, 2): the ring gives (1, 1)/sqrt(2), and the ray enters the sphere at height
    // sqrt(4 - 2) over the centre, so the sphere direction is (1, 1, sqrt(2)) / 2.
    const Row rows[] = {
        {"beside the ring", {{4, 1, 9}, down}, {1, 0, 0}, {}},
        {"inside the ring", {{2, 2, 9}, down}, {s, s, 0}, {0.5f, 0.5f, s}},
    };
    for (const Row& row : rows) {
        Vector3<float> out;
        EXPECT_TRUE(directionToRingPoint(row.ray, ring, out)) << row.name;
        EXPECT_TRUE(near(out, row.ringDirection)) << row.name;
    }
    Vector3<float> out(7, 7, 7);
    EXPECT_FALSE(directionToSpherePoint(rows[0].ray, center, 2, out));
    EXPECT_EQ(out, Vector3<float>(7, 7, 7));
    EXPECT_TRUE(directionToSpherePoint(rows[1].ray, center, 2, out));
    EXPECT_TRUE(near(out, rows[1].sphereDirection));
}

TEST(GrabDirectionTest, NoDirectionLeavesTheOutputAlone)
{
    const Vector3<float> o(0, 0, 0), z(0, 0, 1), untouched(7, 7, 7);
    const struct
    {
        const char* name;
        std::function<bool(Vector3<float>&)> call;
    } rows[] = {
        {"ring of radius 0", [&](auto& out) { return directionToRingPoint(Ray3<float>({1, 0, 5}, -z), Circle3<float>(o, z, 0), out); }},
        {"zero ray direction", [&](auto& out) { return directionToRingPoint(Ray3<float>({1, 0, 5}, o), Circle3<float>(o, z, 1), out); }},
        {"sphere behind the eye", [&](auto& out) { return directionToSpherePoint(Ray3<float>({0, 0, 5}, z), o, 1, out); }},
    };
    for (const auto& row : rows) {
        Vector3<float> out = untouched;
        EXPECT_FALSE(row.call(out)) << row.name;
        EXPECT_EQ(out, untouched) << row.name;
    }
}

} // namespace
