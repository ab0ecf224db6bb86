#include "ui_widgets/platform/scene/ProceduralMeshes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <utility>

using Kairn::Graphics::ProceduralMeshes;
using Kairn::Graphics::TriangleMesh;
using Lumo::float3;

namespace {

// Counts the triangles whose winding disagrees with the vertex normals at their corners.
std::size_t trianglesFacingAgainstTheirNormals(const TriangleMesh& mesh)
{
    std::size_t count = 0;
    const auto& p = mesh.positions();
    const auto& n = mesh.normals();
    for (std::size_t t = 0; t < mesh.triangleCount(); ++t) {
        const std::uint32_t i0 = mesh.indices()[3 * t], i1 = mesh.indices()[3 * t + 1], i2 = mesh.indices()[3 * t + 2];
        const float3 face = Lumo::cross(p[i1] - p[i0], p[i2] - p[i0]);
        if (!(Lumo::dot(face, n[i0] + n[i1] + n[i2]) > 0.0f))
            ++count;
    }
    return count;
}

// A closed, consistently wound surface uses every directed edge exactly once and its reverse
// exactly once.
bool isClosedAndConsistentlyWound(const TriangleMesh& mesh)
{
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> directedEdges;
    for (std::size_t t = 0; t < mesh.triangleCount(); ++t)
        for (int k = 0; k < 3; ++k)
            ++directedEdges[{mesh.indices()[3 * t + k], mesh.indices()[3 * t + (k + 1) % 3]}];
    for (const auto& [edge, uses] : directedEdges) {
        const auto reverse = directedEdges.find({edge.second, edge.first});
        if (uses != 1 || reverse == directedEdges.end() || reverse->second != 1)
            return false;
    }
    return true;
}

} // namespace

TEST(ProceduralMeshes, UvSphereCornersLieOnTheSphereFacingOut)
{
    const float radius = 2.5f;
    const int rings = 6, segments = 10;
    const TriangleMesh sphere = ProceduralMeshes::uvSphere(radius, rings, segments);
    ASSERT_TRUE(sphere.isValid());
    // One fan of `segments` triangles at each pole, two per quad on the rings - 2 bands between.
    EXPECT_EQ(sphere.triangleCount(), std::size_t(2 * segments + 2 * segments * (rings - 2)));
    // Two poles and rings - 1 circles of `segments` vertices.
    EXPECT_EQ(sphere.vertexCount(), std::size_t(2 + segments * (rings - 1)));
    for (std::size_t v = 0; v < sphere.vertexCount(); ++v) {
        const float3& p = sphere.positions()[v];
        const float3& n = sphere.normals()[v];
        EXPECT_NEAR(Lumo::length(p), radius, 1e-5f);
        EXPECT_NEAR(Lumo::dot(n, p), radius, 1e-5f) << "normal is the unit radius";
    }
    EXPECT_EQ(trianglesFacingAgainstTheirNormals(sphere), 0u);
    EXPECT_TRUE(isClosedAndConsistentlyWound(sphere));
}

TEST(ProceduralMeshes, BoxFacesAreFlatAndFaceOut)
{
    const Kairn::Objects::Box<float> bounds({-1, 2, -3}, {4, 5, 6});
    const TriangleMesh box = ProceduralMeshes::box(bounds);
    ASSERT_TRUE(box.isValid());
    EXPECT_EQ(box.triangleCount(), 12u);
    EXPECT_EQ(box.bounds(), bounds);
    EXPECT_EQ(trianglesFacingAgainstTheirNormals(box), 0u);
    // Each vertex sits on the face its normal names: a normal along +X puts it at x = 4, and the
    // offset from the centre (1.5, 3.5, 1.5) along the normal is half the box's length there.
    const float3 centre = bounds.center();
    const float3 halfSize{2.5f, 1.5f, 4.5f};
    for (std::size_t v = 0; v < box.vertexCount(); ++v) {
        const float3& n = box.normals()[v];
        EXPECT_EQ(Lumo::length(n), 1.0f);
        EXPECT_EQ(Lumo::dot(box.positions()[v] - centre, n), Lumo::dot(halfSize, float3{std::abs(n.x), std::abs(n.y), std::abs(n.z)}));
    }
}

TEST(ProceduralMeshes, TorusKnotIsAClosedSurfaceOfAboutTheAskedSize)
{
    for (std::size_t asked : {std::size_t(20000), std::size_t(300000)}) {
        const TriangleMesh knot = ProceduralMeshes::bumpyTorusKnot(asked);
        ASSERT_TRUE(knot.isValid());
        EXPECT_NEAR(double(knot.triangleCount()), double(asked), 0.01 * double(asked));
        EXPECT_EQ(trianglesFacingAgainstTheirNormals(knot), 0u);
        if (asked <= 20000) {
            EXPECT_TRUE(isClosedAndConsistentlyWound(knot));
        }
        // Knot radius 0.8 + 0.35 plus the tube's 0.12 raised by at most a quarter: 1.3 at most.
        const Kairn::Objects::Box<float> limit({-1.3f, -1.3f, -1.3f}, {1.3f, 1.3f, 1.3f});
        Kairn::Objects::Box<float> grown = limit;
        grown.extend(knot.bounds().min());
        grown.extend(knot.bounds().max());
        EXPECT_EQ(grown, limit) << "the knot lies inside the limit";
    }
    // The smallest knot still has 64 x 8 quads.
    EXPECT_EQ(ProceduralMeshes::bumpyTorusKnot(0).triangleCount(), std::size_t(2 * 64 * 8));
}

TEST(ProceduralMeshes, UnusableArgumentsGiveAnEmptyMesh)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(ProceduralMeshes::uvSphere(0.0f, 8, 8).isEmpty());
    EXPECT_TRUE(ProceduralMeshes::uvSphere(-1.0f, 8, 8).isEmpty());
    EXPECT_TRUE(ProceduralMeshes::uvSphere(nan, 8, 8).isEmpty());
    EXPECT_TRUE(ProceduralMeshes::uvSphere(1.0f, 1, 8).isEmpty());
    EXPECT_TRUE(ProceduralMeshes::uvSphere(1.0f, 8, 2).isEmpty());
    EXPECT_TRUE(ProceduralMeshes::box({{0, 0, 0}, {1, 0, 1}}).isEmpty()) << "flat";
    EXPECT_TRUE(ProceduralMeshes::box({}).isEmpty()) << "empty";
    EXPECT_TRUE(ProceduralMeshes::box({{0, 0, 0}, {1, nan, 1}}).isEmpty());
}
