#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using Kairn::Graphics::TriangleMesh;

namespace {

TriangleMesh unitRightTriangle()
{
    return TriangleMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 1, 2});
}

} // namespace

TEST(TriangleMesh, ValidityNeedsTrianglesInRangeAndFiniteCoordinates)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case
    {
        const char* name;
        TriangleMesh mesh;
        bool valid;
    };
    const Case cases[] = {
        {"one triangle", unitRightTriangle(), true},
        {"empty", TriangleMesh(), false},
        {"vertices only", TriangleMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {}), false},
        {"index past the last vertex", TriangleMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 1, 3}), false},
        {"incomplete triangle", TriangleMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 1, 2, 0}), false},
        {"NaN coordinate", TriangleMesh({{0, 0, 0}, {nan, 0, 0}, {0, 1, 0}}, {0, 1, 2}), false},
        {"infinite coordinate", TriangleMesh({{0, 0, inf}, {1, 0, 0}, {0, 1, 0}}, {0, 1, 2}), false},
        {"one normal per vertex",
         TriangleMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 1, 2}, {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}}), true},
        {"too few normals", TriangleMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 1, 2}, {{0, 0, 1}}), false},
        {"NaN normal",
         TriangleMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0, 1, 2}, {{0, 0, 1}, {0, nan, 1}, {0, 0, 1}}), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.mesh.isValid(), c.valid) << c.name;
}

TEST(TriangleMesh, CountsAndBounds)
{
    const TriangleMesh mesh({{-1, 2, 3}, {4, -5, 6}, {7, 8, -9}, {0, 0, 0}}, {0, 1, 2, 1, 2, 3});
    EXPECT_EQ(mesh.vertexCount(), 4u);
    EXPECT_EQ(mesh.triangleCount(), 2u);
    const Kairn::Objects::Box<float> box = mesh.bounds();
    // Per axis, the smallest and largest of the four vertices' coordinates.
    EXPECT_EQ(Lumo::float3(box.min()), (Lumo::float3{-1, -5, -9}));
    EXPECT_EQ(Lumo::float3(box.max()), (Lumo::float3{7, 8, 6}));

    EXPECT_TRUE(TriangleMesh().bounds().isEmpty());
}

TEST(TriangleMesh, VertexNormalsAverageAdjacentFacesByArea)
{
    // Two triangles folded along the X axis: one in the XY plane (normal +Z, area 1/2), one in
    // the XZ plane wound to face -Y with area 1. The shared edge's vertices get (0, -2, 1)
    // normalised: the sum of the cross products (0, 0, 1) and (1, 0, 0) x (0, 0, 2) = (0, -2, 0).
    TriangleMesh mesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 2}}, {0, 1, 2, 0, 1, 3});
    mesh.computeVertexNormals();
    ASSERT_TRUE(mesh.hasNormals());
    ASSERT_TRUE(mesh.isValid());
    const float length = std::sqrt(0.0f + 4.0f + 1.0f);
    for (int vertex : {0, 1}) {
        EXPECT_NEAR(mesh.normals()[vertex].x, 0.0f, 1e-6f);
        EXPECT_NEAR(mesh.normals()[vertex].y, -2.0f / length, 1e-6f);
        EXPECT_NEAR(mesh.normals()[vertex].z, 1.0f / length, 1e-6f);
    }
    EXPECT_EQ(mesh.normals()[2], (Lumo::float3{0, 0, 1}));
    EXPECT_EQ(mesh.normals()[3], (Lumo::float3{0, -1, 0}));
}
