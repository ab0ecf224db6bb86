#include "viewer/render/PrimitiveTessellator.h"

#include "viewer/render/PolygonTriangulator.h"

#include <cmath>
#include <numbers>

namespace Viewer {

namespace {

constexpr float TwoPi = 2.0f * std::numbers::pi_v<float>;

QVector3D onCircle(float radius, int segment, int segments, float z = 0.0f)
{
    const float angle = TwoPi * static_cast<float>(segment) / static_cast<float>(segments);
    return {radius * std::cos(angle), radius * std::sin(angle), z};
}

// A flat disc at height z facing +Z or -Z.
void addCap(Tessellation& out, float radius, float z, bool facingUp, int segments)
{
    const QVector3D normal(0, 0, facingUp ? 1.0f : -1.0f);
    const auto centre = out.addVertex({0, 0, z}, normal, {0.5f, 0.5f});
    const auto first = static_cast<std::uint32_t>(out.vertexCount());
    for (int i = 0; i < segments; ++i) {
        const QVector3D p = onCircle(radius, i, segments, z);
        const QVector2D uv(0.5f + 0.5f * p.x() / radius, 0.5f + 0.5f * p.y() / radius);
        out.addVertex(p, normal, uv);
    }
    for (int i = 0; i < segments; ++i) {
        const auto a = first + static_cast<std::uint32_t>(i);
        const auto b = first + static_cast<std::uint32_t>((i + 1) % segments);
        if (facingUp)
            out.addTriangle(centre, a, b);
        else
            out.addTriangle(centre, b, a);
    }
}

// The mantle between a bottom ring and a top ring (either may have radius 0), with smooth normals.
void addMantle(Tessellation& out, float bottomRadius, float topRadius, float height, int segments)
{
    // The surface normal of a frustum tilts by the slope (bottomRadius - topRadius) / height.
    const float slope = (bottomRadius - topRadius) / height;
    const auto first = static_cast<std::uint32_t>(out.vertexCount());
    for (int i = 0; i <= segments; ++i) {
        const QVector3D radial = onCircle(1.0f, i, segments);
        const QVector3D normal = QVector3D(radial.x(), radial.y(), slope).normalized();
        const float u = static_cast<float>(i) / static_cast<float>(segments);
        out.addVertex(radial * bottomRadius, normal, {u, 0});
        out.addVertex(radial * topRadius + QVector3D(0, 0, height), normal, {u, 1});
    }
    for (int i = 0; i < segments; ++i) {
        const auto b0 = first + static_cast<std::uint32_t>(2 * i);
        const auto t0 = b0 + 1;
        const auto b1 = b0 + 2;
        const auto t1 = b0 + 3;
        out.addTriangle(b0, b1, t1);
        out.addTriangle(b0, t1, t0);
    }
}

} // namespace

Tessellation PrimitiveTessellator::sphere(float radius)
{
    Tessellation out;
    const int slices = Segments / 2;
    const int stacks = Segments / 4;
    for (int stack = 0; stack <= stacks; ++stack) {
        const float polar = std::numbers::pi_v<float> * static_cast<float>(stack) / static_cast<float>(stacks);
        for (int slice = 0; slice <= slices; ++slice) {
            const float azimuth = TwoPi * static_cast<float>(slice) / static_cast<float>(slices);
            const QVector3D normal(std::sin(polar) * std::cos(azimuth), std::sin(polar) * std::sin(azimuth),
                                   std::cos(polar));
            out.addVertex(normal * radius, normal,
                          {static_cast<float>(slice) / slices, static_cast<float>(stack) / stacks});
        }
    }
    const auto row = static_cast<std::uint32_t>(slices + 1);
    for (int stack = 0; stack < stacks; ++stack) {
        for (int slice = 0; slice < slices; ++slice) {
            const auto a = static_cast<std::uint32_t>(stack) * row + static_cast<std::uint32_t>(slice);
            const auto b = a + row;
            out.addTriangle(a, b, b + 1);
            out.addTriangle(a, b + 1, a + 1);
        }
    }
    return out;
}

Tessellation PrimitiveTessellator::cone(float radius, float height)
{
    Tessellation out;
    if (height > 0.0f)
        addMantle(out, radius, 0.0f, height, Segments / 2);
    addCap(out, radius, 0.0f, false, Segments / 2);
    return out;
}

Tessellation PrimitiveTessellator::cylinder(float radius, float height)
{
    Tessellation out;
    if (height > 0.0f)
        addMantle(out, radius, radius, height, Segments / 2);
    addCap(out, radius, 0.0f, false, Segments / 2);
    addCap(out, radius, height, true, Segments / 2);
    return out;
}

Tessellation PrimitiveTessellator::torus(float majorRadius, float minorRadius)
{
    Tessellation out;
    const int around = Segments;
    const int tube = Segments / 4;
    for (int i = 0; i <= around; ++i) {
        const QVector3D radial = onCircle(1.0f, i, around);
        for (int j = 0; j <= tube; ++j) {
            const float angle = TwoPi * static_cast<float>(j) / static_cast<float>(tube);
            const QVector3D normal = radial * std::cos(angle) + QVector3D(0, 0, std::sin(angle));
            out.addVertex(radial * majorRadius + normal * minorRadius, normal,
                          {static_cast<float>(i) / around, static_cast<float>(j) / tube});
        }
    }
    const auto row = static_cast<std::uint32_t>(tube + 1);
    for (int i = 0; i < around; ++i) {
        for (int j = 0; j < tube; ++j) {
            const auto a = static_cast<std::uint32_t>(i) * row + static_cast<std::uint32_t>(j);
            const auto b = a + row;
            out.addTriangle(a, b, b + 1);
            out.addTriangle(a, b + 1, a + 1);
        }
    }
    return out;
}

Tessellation PrimitiveTessellator::disc(float radius)
{
    Tessellation out;
    addCap(out, radius, 0.0f, true, Segments);
    return out;
}

Tessellation PrimitiveTessellator::circleOutline(float radius, int segments)
{
    std::vector<QVector3D> points;
    points.reserve(static_cast<std::size_t>(segments));
    for (int i = 0; i < segments; ++i)
        points.push_back(onCircle(radius, i, segments));
    return polyline(points, true);
}

Tessellation PrimitiveTessellator::polyline(const std::vector<QVector3D>& points, bool closed)
{
    Tessellation out(Tessellation::Primitive::Lines);
    for (const QVector3D& p : points)
        out.addVertex(p);
    const auto count = static_cast<std::uint32_t>(points.size());
    for (std::uint32_t i = 0; i + 1 < count; ++i)
        out.addSegment(i, i + 1);
    if (closed && count > 2)
        out.addSegment(count - 1, 0);
    return out;
}

Tessellation PrimitiveTessellator::polygon(const std::vector<QVector3D>& points)
{
    Tessellation out;
    const PolygonTriangulator triangulator(points);
    const QVector3D normal = triangulator.normal();
    for (const QVector3D& p : points)
        out.addVertex(p, normal);
    const auto& corners = triangulator.triangles();
    for (std::size_t i = 0; i + 2 < corners.size(); i += 3)
        out.addTriangle(corners[i], corners[i + 1], corners[i + 2]);
    return out;
}

Tessellation PrimitiveTessellator::rectangle(const QVector2D& corner, const QVector2D& size)
{
    Tessellation out;
    const QVector3D normal(0, 0, 1);
    const float x0 = corner.x();
    const float y0 = corner.y();
    const float x1 = x0 + size.x();
    const float y1 = y0 + size.y();
    const auto a = out.addVertex({x0, y0, 0}, normal, {0, 1});
    const auto b = out.addVertex({x1, y0, 0}, normal, {1, 1});
    const auto c = out.addVertex({x1, y1, 0}, normal, {1, 0});
    const auto d = out.addVertex({x0, y1, 0}, normal, {0, 0});
    out.addTriangle(a, b, c);
    out.addTriangle(a, c, d);
    return out;
}

} // namespace Viewer
