#include "ui_widgets/platform/scene/MeshRayIntersector.h"
#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <thread>
#include <vector>

using Kairn::Graphics::MeshRayIntersector;
using Kairn::Graphics::ProceduralMeshes;
using Kairn::Graphics::TriangleMesh;
using Lumo::float3;
using Ray = Kairn::Objects::Ray3<float>;

namespace {

constexpr float tolerance = 1e-5f;

void expectNear(const float3& actual, const float3& expected, const char* what)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance) << what;
    EXPECT_NEAR(actual.y, expected.y, tolerance) << what;
    EXPECT_NEAR(actual.z, expected.z, tolerance) << what;
}

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

    struct Case
    {
        const char* name;
        float3 origin, direction;
        float t;
        float3 point, normal;
    };
    const float diagonal = std::numbers::sqrt2_v<float> / 2.0f;
    const Case cases[] = {
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
    for (const Case& c : cases) {
        const auto hit = intersector.intersect(Ray(c.origin, c.direction));
        ASSERT_TRUE(hit) << c.name;
        EXPECT_NEAR(hit->t, c.t, tolerance) << c.name;
        expectNear(hit->point, c.point, c.name);
        expectNear(hit->normal, c.normal, c.name);
    }
}

TEST(MeshRayIntersector, MissesBesideBehindAndBeyondTheCube)
{
    const MeshRayIntersector intersector = cube();
    EXPECT_FALSE(intersector.intersect(Ray({1.5f, 0, 5}, {0, 0, -1}))) << "beside";
    EXPECT_FALSE(intersector.intersect(Ray({0, 0, 5}, {0, 0, 1}))) << "pointing away";
    // The top face is 4 away: a ray that stops at 3.9 falls short, one that goes to 4.5 arrives.
    EXPECT_FALSE(intersector.intersect(Ray({0, 0, 5}, {0, 0, -1}), 3.9f)) << "too short";
    EXPECT_TRUE(intersector.intersect(Ray({0, 0, 5}, {0, 0, -1}), 4.5f)) << "long enough";
}

TEST(MeshRayIntersector, DegenerateRaysHitNothing)
{
    const MeshRayIntersector intersector = cube();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(intersector.intersect(Ray({0, 0, 5}, {0, 0, 0}))) << "zero direction";
    EXPECT_FALSE(intersector.intersect(Ray({0, 0, 5}, {0, nan, -1}))) << "NaN direction";
    EXPECT_FALSE(intersector.intersect(Ray({0, 0, 5}, {0, 0, -inf}))) << "infinite direction";
    EXPECT_FALSE(intersector.intersect(Ray({nan, 0, 5}, {0, 0, -1}))) << "NaN origin";
    EXPECT_FALSE(intersector.intersect(Ray({0, 0, inf}, {0, 0, -1}))) << "infinite origin";
    EXPECT_FALSE(intersector.intersect(Ray({0, 0, 5}, {0, 0, -1}), nan)) << "NaN tMax";
    EXPECT_FALSE(intersector.intersect(Ray({0, 0, 5}, {0, 0, -1}), -1.0f)) << "negative tMax";
}

TEST(MeshRayIntersector, HitsEachSphereFacetAtItsPlaneFromBothSides)
{
    const TriangleMesh sphere = ProceduralMeshes::uvSphere(2.0f, 12, 24);
    const MeshRayIntersector intersector(sphere);
    ASSERT_TRUE(intersector.isValid());
    const auto& p = sphere.positions();
    const auto& index = sphere.indices();
    for (std::uint32_t triangle = 0; triangle < sphere.triangleCount(); triangle += 7) {
        const float3& a = p[index[3 * triangle]];
        const float3& b = p[index[3 * triangle + 1]];
        const float3& c = p[index[3 * triangle + 2]];
        const float3 centroid = (a + b + c) / 3.0f;
        const float3 facetNormal = Lumo::normalized(Lumo::cross(b - a, c - a));
        const float3 outward = Lumo::normalized(centroid);

        // From three times the centroid straight back towards the centre: the convex sphere is
        // entered at the centroid, 2 |centroid| along the ray, on the outside of the facet.
        const auto fromOutside = intersector.intersect(Ray(centroid * 3.0f, -outward));
        ASSERT_TRUE(fromOutside) << triangle;
        EXPECT_EQ(fromOutside->triangle, triangle);
        EXPECT_NEAR(fromOutside->t, 2.0f * Lumo::length(centroid), tolerance);
        expectNear(fromOutside->point, centroid, "outside point");
        expectNear(fromOutside->normal, facetNormal, "outside normal");

        // From the centre outwards the same facet is |centroid| away, seen from inside.
        const auto fromInside = intersector.intersect(Ray({0, 0, 0}, outward));
        ASSERT_TRUE(fromInside) << triangle;
        EXPECT_EQ(fromInside->triangle, triangle);
        EXPECT_NEAR(fromInside->t, Lumo::length(centroid), tolerance);
        expectNear(fromInside->normal, -facetNormal, "inside normal");
    }
}

TEST(MeshRayIntersector, FineSphereHitsLieCloseToTheTrueSphere)
{
    // Every facet's corners lie on the sphere within `step` radians of each other, so a facet is
    // at least r cos(step) from the centre and tilts at most `step` from the radius through any
    // of its points.
    constexpr float radius = 1.5f;
    constexpr int rings = 48, segments = 96;
    const float step = std::max(std::numbers::pi_v<float> / rings, 2.0f * std::numbers::pi_v<float> / segments);
    const MeshRayIntersector intersector(ProceduralMeshes::uvSphere(radius, rings, segments));
    for (const float3 origin : {float3{0.3f, 0.2f, 5}, float3{-4, 0.7f, -0.5f}, float3{1, -6, 2}}) {
        const auto hit = intersector.intersect(Ray(origin, -Lumo::normalized(origin)));
        ASSERT_TRUE(hit);
        const float distance = Lumo::length(hit->point);
        EXPECT_LE(distance, radius + tolerance);
        EXPECT_GE(distance, radius * std::cos(step));
        EXPECT_GE(Lumo::dot(hit->normal, hit->point / distance), std::cos(step));
        EXPECT_NEAR(Lumo::length(hit->normal), 1.0f, tolerance);
    }
}

TEST(MeshRayIntersector, InvalidMeshesAndMovedFromIntersectorsHitNothing)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const TriangleMesh& mesh : {TriangleMesh(), TriangleMesh({{0, 0, 0}, {1, 0, 0}}, {0, 1, 2}),
                                     TriangleMesh({{0, 0, 0}, {1, nan, 0}, {0, 1, 0}}, {0, 1, 2})}) {
        const MeshRayIntersector intersector(mesh);
        EXPECT_FALSE(intersector.isValid());
        EXPECT_EQ(intersector.triangleCount(), 0u);
        EXPECT_FALSE(intersector.intersect(Ray({0.2f, 0.2f, 1}, {0, 0, -1})));
    }

    MeshRayIntersector original = cube();
    MeshRayIntersector moved(std::move(original));
    EXPECT_FALSE(original.isValid());
    EXPECT_FALSE(original.intersect(Ray({0, 0, 5}, {0, 0, -1})));
    EXPECT_TRUE(moved.intersect(Ray({0, 0, 5}, {0, 0, -1})));

    MeshRayIntersector assigned(ProceduralMeshes::uvSphere(1.0f, 4, 8));
    assigned = std::move(moved);
    EXPECT_EQ(assigned.triangleCount(), 12u);
    EXPECT_FALSE(moved.isValid());
}

TEST(MeshRayIntersector, BuildsAndQueriesFromSeveralThreads)
{
    // Each thread builds its own sphere of a different radius and finds it where it should be.
    std::vector<float> distances(4, 0.0f);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < distances.size(); ++i) {
        threads.emplace_back([&distances, i] {
            const MeshRayIntersector sphere(ProceduralMeshes::uvSphere(float(i + 1), 8, 16));
            if (const auto hit = sphere.intersect(Ray({0, 0, 10}, {0, 0, -1})))
                distances[i] = hit->t;
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    // The ray meets the north pole vertex, 10 - r away.
    for (std::size_t i = 0; i < distances.size(); ++i)
        EXPECT_NEAR(distances[i], 10.0f - float(i + 1), tolerance);
}
