#pragma once

#include <QVector3D>

#include <cstdint>
#include <vector>

namespace Viewer {

// Splits a simple polygon (convex or not, in any plane, either winding) into triangles by ear
// clipping in its best-fitting plane. The triangles wind counter-clockwise around normal().
// Degenerate input (fewer than three points, or all on one line) gives no triangle.
class PolygonTriangulator
{
public:
    explicit PolygonTriangulator(const std::vector<QVector3D>& points);

    // Unit normal of the polygon's plane by Newell's method, zero when it has no area.
    QVector3D normal() const { return m_normal; }
    // Three point indices per triangle.
    const std::vector<std::uint32_t>& triangles() const { return m_triangles; }

private:
    QVector3D m_normal;
    std::vector<std::uint32_t> m_triangles;
};

} // namespace Viewer
