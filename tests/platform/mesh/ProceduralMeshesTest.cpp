#include "ui_widgets/platform/scene/ProceduralMeshes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <utility>

using Kairn::Graphics::ProceduralMeshes;
using Kairn::Graphics::TriangleMesh;
using Point = TriangleMesh::Point;

namespace {

float dot(const Point& a, const Point& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Counts the triangles whose winding disagrees with the vertex normals at their corners.
std::size_t trianglesFacingAgainstTheirNormals(const TriangleMesh& mesh)
{
    std::size_t count = 0;
    const auto& p = mesh.positions();
    const auto& n = mesh.normals();
    for (std::size_t t = 0; t < mesh.triangleCount(); ++t) {
        const std::uint32_t i0 = mesh.indices()[3 * t], i1 = mesh.indices()[3 * t + 1], i2 = mesh.indices()[3 * t + 2];
        const Point e1{p[i1][0] - p[i0][0], p[i1][1] - p[i0][1], p[i1][2] - p[i0][2]};
        const Point e2{p[i2][0] - p[i0][0], p[i2][1] - p[i0][1], p[i2][2] - p[i0][2]};
        const Point face{e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2], e1[0] * e2[1] - e1[1] * e2[0]};
        const Point corners{n[i0][0] + n[i1][0] + n[i2][0], n[i0][1] + n[i1][1] + n[i2][1], n[i0][2] + n[i1][2] + n[i2][2]};
        if (!(dot(face, corners) > 0.0f))
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
        const Point& p = sphere.positions()[v];
        const Point& n = sphere.normals()[v];
        EXPECT_NEAR(std::sqrt(dot(p, p)), radius, 1e-5f);
        EXPECT_NEAR(dot(n, p), radius, 1e-5f) << "normal is the unit radius";
    }
    EXPECT_EQ(trianglesFacingAgainstTheirNormals(sphere), 0u);
    EXPECT_TRUE(isClosedAndConsistentlyWound(sphere));
}

TEST(ProceduralMeshes, BoxFacesAreFlatAndFaceOut)
{
    const TriangleMesh box = ProceduralMeshes::box({-1, 2, -3}, {4, 5, 6});
    ASSERT_TRUE(box.isValid());
    EXPECT_EQ(box.triangleCount(), 12u);
    EXPECT_EQ(box.bounds().min, (Point{-1, 2, -3}));
    EXPECT_EQ(box.bounds().max, (Point{4, 5, 6}));
    EXPECT_EQ(trianglesFacingAgainstTheirNormals(box), 0u);
    // Each vertex sits on the face its normal names: on the max side for a positive normal.
    for (std::size_t v = 0; v < box.vertexCount(); ++v) {
        const Point& n = box.normals()[v];
        for (int axis = 0; axis < 3; ++axis) {
            if (n[axis] > 0.0f) {
                EXPECT_EQ(box.positions()[v][axis], box.bounds().max[axis]);
            } else if (n[axis] < 0.0f) {
                EXPECT_EQ(box.positions()[v][axis], box.bounds().min[axis]);
            }
        }
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
        for (int axis = 0; axis < 3; ++axis) {
            EXPECT_LE(knot.bounds().max[axis], 1.3f);
            EXPECT_GE(knot.bounds().min[axis], -1.3f);
        }
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
    EXPECT_TRUE(ProceduralMeshes::box({0, 0, 0}, {1, 0, 1}).isEmpty()) << "flat";
    EXPECT_TRUE(ProceduralMeshes::box({1, 0, 0}, {0, 1, 1}).isEmpty()) << "inverted";
    EXPECT_TRUE(ProceduralMeshes::box({0, 0, 0}, {1, nan, 1}).isEmpty());
}
