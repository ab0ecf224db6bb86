#include "tests/platform/math/MathExpect.h"
#include "ui_widgets/platform/scene/MeshRayIntersector.h"
#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using Kairn::Graphics::MeshRayIntersector;
using Kairn::Graphics::ProceduralMeshes;
using Kairn::Graphics::TriangleMesh;
using Lumo::float3;
using MathTest::near;
using Ray = Kairn::Objects::Ray3<float>;

namespace {

constexpr float tolerance = 1e-5f;

// The cube from (-1, -1, -1) to (1, 1, 1).
MeshRayIntersector cube()
{
    return MeshRayIntersector(ProceduralMeshes::box({{-1, -1, -1}, {1, 1, 1}}));
}

} // namespace

TEST(MeshRayIntersector, HitsTheCubeWhereThePlanesSay)
{
    const MeshRayIntersector intersector = cube();
    ASSERT_TRUE(intersector.isValid());
    EXPECT_EQ(intersector.triangleCount(), 12u);

    const float diagonal = std::numbers::sqrt2_v<float> / 2.0f;
    const struct
    {
        const char* name;
        float3 origin, direction;
        float t;
        float3 point, normal;
    } cases[] = {
        // Straight down onto the top face z = 1 from z = 5: t = 5 - 1.
        {"down onto the top", {0.25f, 0.5f, 5}, {0, 0, -1}, 4.0f, {0.25f, 0.5f, 1}, {0, 0, 1}},
        // From (-3, -2, 0) along (1, 1, 0)/sqrt2: x reaches -1 after 2 * sqrt2, where y = 0.
        {"oblique onto the -X face", {-3, -2, 0}, {diagonal, diagonal, 0}, 2.0f * std::numbers::sqrt2_v<float>,
         {-1, 0, 0}, {-1, 0, 0}},
        // A direction of length 2: t counts directions, so x = -5 + 2t = -1 at t = 2.
        {"long direction", {-5, 0.1f, 0.2f}, {2, 0, 0}, 2.0f, {-1, 0.1f, 0.2f}, {-1, 0, 0}},
        // From the centre upwards the top face is 1 away, and its normal is turned to face the ray.
        {"from inside", {0.25f, 0.5f, 0}, {0, 0, 1}, 1.0f, {0.25f, 0.5f, 1}, {0, 0, -1}},
    };
    for (const auto& c : cases) {
        const auto hit = intersector.intersect(Ray(c.origin, c.direction));
        ASSERT_TRUE(hit) << c.name;
        EXPECT_NEAR(hit->t, c.t, tolerance) << c.name;
        EXPECT_TRUE(near(hit->point, c.point)) << c.name;
        EXPECT_TRUE(near(hit->normal, c.normal)) << c.name;
    }
}

TEST(MeshRayIntersector, MissesBesideBehindBeyondAndOnDegenerateRays)
{
    const MeshRayIntersector intersector = cube();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float noLimit = inf;
    const struct
    {
        const char* name;
        Ray ray;
        float tMax;
    } misses[] = {
        {"beside", {{1.5f, 0, 5}, {0, 0, -1}}, noLimit},
        {"pointing away", {{0, 0, 5}, {0, 0, 1}}, noLimit},
        {"stops before the top face, 4 away", {{0, 0, 5}, {0, 0, -1}}, 3.9f},
        {"zero direction", {{0, 0, 5}, {0, 0, 0}}, noLimit},
        {"NaN direction", {{0, 0, 5}, {0, nan, -1}}, noLimit},
        {"infinite origin", {{0, 0, inf}, {0, 0, -1}}, noLimit},
        {"NaN tMax", {{0, 0, 5}, {0, 0, -1}}, nan},
        {"negative tMax", {{0, 0, 5}, {0, 0, -1}}, -1.0f},
    };
    for (const auto& miss : misses)
        EXPECT_FALSE(intersector.intersect(miss.ray, miss.tMax)) << miss.name;
    EXPECT_TRUE(intersector.intersect(Ray({0, 0, 5}, {0, 0, -1}), 4.5f));
}

TEST(MeshRayIntersector, InvalidMeshesHitNothing)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const TriangleMesh& mesh : {TriangleMesh(), TriangleMesh({{0, 0, 0}, {1, 0, 0}}, {0, 1, 2}),
                                     TriangleMesh({{0, 0, 0}, {1, nan, 0}, {0, 1, 0}}, {0, 1, 2})}) {
        const MeshRayIntersector intersector(mesh);
        EXPECT_FALSE(intersector.isValid());
        EXPECT_EQ(intersector.triangleCount(), 0u);
        EXPECT_FALSE(intersector.intersect(Ray({0.2f, 0.2f, 1}, {0, 0, -1})));
    }
}
