// The CPU side of the renderer: polygon triangulation, the closed-surface test that lets closed
// meshes skip their hidden faces, and primitive outlines that match the scene layer's picking.

#include "viewer/render/ClosedSurfaceCheck.h"
#include "viewer/render/PolygonTriangulator.h"
#include "viewer/render/PrimitiveTessellator.h"

#include "ui_widgets/platform/scene/ProceduralMeshes.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Viewer::Tessellation;

float signedArea(const QVector3D& a, const QVector3D& b, const QVector3D& c, const QVector3D& normal)
{
    return 0.5f * QVector3D::dotProduct(QVector3D::crossProduct(b - a, c - a), normal);
}

TEST(PolygonTriangulatorTest, ConcavePolygonIsCoveredExactlyByCounterClockwiseTriangles)
{
    // An L in the plane x = 2, wound clockwise seen from +X: a 2 x 2 square without its 1 x 1
    // upper-right quarter, area 4 - 1 = 3.
    const std::vector<QVector3D> points{{2, 0, 0}, {2, 0, 2}, {2, 1, 2}, {2, 1, 1}, {2, 2, 1}, {2, 2, 0}};
    const Viewer::PolygonTriangulator triangulator(points);
    const QVector3D normal = triangulator.normal();
    EXPECT_NEAR(std::abs(normal.x()), 1.0f, 1e-6f);
    const auto& corners = triangulator.triangles();
    ASSERT_EQ(corners.size(), 3u * (points.size() - 2));
    float area = 0.0f;
    for (std::size_t i = 0; i < corners.size(); i += 3) {
        const float piece = signedArea(points[corners[i]], points[corners[i + 1]], points[corners[i + 2]], normal);
        EXPECT_GT(piece, 0.0f) << "triangle " << i / 3;
        area += piece;
    }
    EXPECT_NEAR(area, 3.0f, 1e-5f);
}

TEST(PolygonTriangulatorTest, DegenerateInputGivesNoTriangle)
{
    EXPECT_TRUE(Viewer::PolygonTriangulator({{0, 0, 0}, {1, 1, 1}}).triangles().empty());
    EXPECT_TRUE(Viewer::PolygonTriangulator({{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}}).triangles().empty());
}

TEST(ClosedSurfaceCheckTest, TellsWhichFacesOfAClosedMeshLookAway)
{
    const Kairn::Graphics::TriangleMesh box = Kairn::Graphics::ProceduralMeshes::box({{-1, -1, -1}, {1, 1, 1}});
    // The box is wound counter-clockwise seen from outside, and its faces have vertices of their
    // own (welded by position for the test).
    EXPECT_EQ(Viewer::ClosedSurfaceCheck::hiddenFaces(box), Tessellation::HiddenFaces::Clockwise);

    std::vector<std::uint32_t> reversed = box.indices();
    for (std::size_t i = 0; i + 2 < reversed.size(); i += 3)
        std::swap(reversed[i + 1], reversed[i + 2]);
    EXPECT_EQ(Viewer::ClosedSurfaceCheck::hiddenFaces(Kairn::Graphics::TriangleMesh(box.positions(), reversed)),
              Tessellation::HiddenFaces::CounterClockwise);

    std::vector<std::uint32_t> open(box.indices().begin(), box.indices().end() - 3);
    EXPECT_EQ(Viewer::ClosedSurfaceCheck::hiddenFaces(Kairn::Graphics::TriangleMesh(box.positions(), open)),
              Tessellation::HiddenFaces::None);

    std::vector<std::uint32_t> oneFlipped = box.indices();
    std::swap(oneFlipped[1], oneFlipped[2]);
    EXPECT_EQ(Viewer::ClosedSurfaceCheck::hiddenFaces(Kairn::Graphics::TriangleMesh(box.positions(), oneFlipped)),
              Tessellation::HiddenFaces::None);
}

TEST(PrimitiveTessellatorTest, CircleOutlineIsTheScenePickPolygon)
{
    const int sides = Kairn::Graphics::VyrCircleNode::outlineSegmentCount;
    const Tessellation outline = Viewer::PrimitiveTessellator::circleOutline(2.0f, sides);
    EXPECT_EQ(outline.primitive(), Tessellation::Primitive::Lines);
    ASSERT_EQ(outline.vertexCount(), static_cast<std::size_t>(sides));
    // Closed: one segment per side, two indices each.
    EXPECT_EQ(outline.indices().size(), 2u * sides);
    for (std::size_t i = 0; i < outline.vertexCount(); ++i) {
        const QVector3D p = outline.position(i);
        EXPECT_NEAR(p.toVector2D().length(), 2.0f, 1e-5f);
        EXPECT_FLOAT_EQ(p.z(), 0.0f);
    }
    // Vertex 0 on +X, as the pick polygon starts.
    EXPECT_NEAR(outline.position(0).x(), 2.0f, 1e-6f);
}

TEST(PrimitiveTessellatorTest, SolidsSpanTheSceneLayersFrames)
{
    // Cone and cylinder stand on the origin and rise along +Z; the torus lies in XY.
    QVector3D low, high;
    Viewer::PrimitiveTessellator::cone(0.5f, 2.0f).bounds(low, high);
    EXPECT_NEAR(low.z(), 0.0f, 1e-6f);
    EXPECT_NEAR(high.z(), 2.0f, 1e-6f);
    EXPECT_NEAR(high.x(), 0.5f, 1e-6f);
    Viewer::PrimitiveTessellator::torus(1.0f, 0.25f).bounds(low, high);
    EXPECT_NEAR(high.x(), 1.25f, 1e-6f);
    EXPECT_NEAR(high.z(), 0.25f, 1e-6f);
    EXPECT_NEAR(low.z(), -0.25f, 1e-6f);
}

} // namespace
