#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using Kairn::Graphics::TriangleMesh;

TEST(TriangleMesh, ValidityNeedsTrianglesInRangeAndFiniteCoordinates)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<Lumo::float3> corners{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    const std::vector<Lumo::float3> up{{0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
    const struct
    {
        const char* name;
        TriangleMesh mesh;
        bool valid;
    } cases[] = {
        {"one triangle", TriangleMesh(corners, {0, 1, 2}), true},
        {"empty", TriangleMesh(), false},
        {"vertices only", TriangleMesh(corners, {}), false},
        {"index past the last vertex", TriangleMesh(corners, {0, 1, 3}), false},
        {"incomplete triangle", TriangleMesh(corners, {0, 1, 2, 0}), false},
        {"NaN coordinate", TriangleMesh({{0, 0, 0}, {nan, 0, 0}, {0, 1, 0}}, {0, 1, 2}), false},
        {"infinite coordinate", TriangleMesh({{0, 0, inf}, {1, 0, 0}, {0, 1, 0}}, {0, 1, 2}), false},
        {"one normal per vertex", TriangleMesh(corners, {0, 1, 2}, up), true},
        {"too few normals", TriangleMesh(corners, {0, 1, 2}, {{0, 0, 1}}), false},
        {"NaN normal", TriangleMesh(corners, {0, 1, 2}, {{0, 0, 1}, {0, nan, 1}, {0, 0, 1}}), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.mesh.isValid(), c.valid) << c.name;
}

TEST(TriangleMesh, BoundsAndAreaWeightedVertexNormals)
{
    // Per axis, the smallest and largest of the four vertices' coordinates.
    const TriangleMesh spread({{-1, 2, 3}, {4, -5, 6}, {7, 8, -9}, {0, 0, 0}}, {0, 1, 2, 1, 2, 3});
    EXPECT_EQ(spread.bounds(), Kairn::Objects::Box<float>({-1, -5, -9}, {7, 8, 6}));
    EXPECT_TRUE(TriangleMesh().bounds().isEmpty());

    // Folded along the X axis: one triangle in XY (normal +Z, area 1/2), one in XZ facing -Y with
    // area 1. The shared edge's vertices get the sum of the cross products (0, 0, 1) + (0, -2, 0),
    // normalised.
    TriangleMesh mesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 2}}, {0, 1, 2, 0, 1, 3});
    mesh.computeVertexNormals();
    ASSERT_TRUE(mesh.hasNormals());
    const float length = std::sqrt(0.0f + 4.0f + 1.0f);
    for (int vertex : {0, 1}) {
        EXPECT_NEAR(mesh.normals()[vertex].x, 0.0f, 1e-6f);
        EXPECT_NEAR(mesh.normals()[vertex].y, -2.0f / length, 1e-6f);
        EXPECT_NEAR(mesh.normals()[vertex].z, 1.0f / length, 1e-6f);
    }
    EXPECT_EQ(mesh.normals()[2], (Lumo::float3{0, 0, 1}));
    EXPECT_EQ(mesh.normals()[3], (Lumo::float3{0, -1, 0}));
}
