#include "ui_widgets/platform/scene/ProceduralMeshes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace Kairn::Graphics {

namespace {

using Point = TriangleMesh::Point;

Point add(const Point& a, const Point& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Point subtract(const Point& a, const Point& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Point scaled(const Point& a, float s) { return {a[0] * s, a[1] * s, a[2] * s}; }
Point cross(const Point& a, const Point& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Point normalized(const Point& a)
{
    return scaled(a, 1.0f / std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]));
}

// Indices of a grid of `columns` x `rows` quads over vertices numbered row by row, where both
// directions wrap around (a torus topology), two counter-clockwise triangles per quad.
std::vector<std::uint32_t> wrappedGridIndices(std::uint32_t columns, std::uint32_t rows)
{
    std::vector<std::uint32_t> indices;
    indices.reserve(6 * std::size_t(columns) * rows);
    for (std::uint32_t r = 0; r < rows; ++r) {
        const std::uint32_t nextRow = (r + 1) % rows;
        for (std::uint32_t c = 0; c < columns; ++c) {
            const std::uint32_t nextColumn = (c + 1) % columns;
            const std::uint32_t a = r * columns + c;
            const std::uint32_t b = r * columns + nextColumn;
            const std::uint32_t d = nextRow * columns + c;
            const std::uint32_t e = nextRow * columns + nextColumn;
            indices.insert(indices.end(), {a, b, e, a, e, d});
        }
    }
    return indices;
}

// The (2, 3) torus knot: it winds twice around the Z axis and three times through the hole.
Point torusKnotPoint(float u)
{
    constexpr float majorRadius = 0.8f;
    constexpr float minorRadius = 0.35f;
    const float radial = majorRadius + minorRadius * std::cos(3.0f * u);
    return {radial * std::cos(2.0f * u), radial * std::sin(2.0f * u), minorRadius * std::sin(3.0f * u)};
}

} // namespace

TriangleMesh ProceduralMeshes::uvSphere(float radius, int rings, int segments)
{
    if (!(radius > 0.0f) || !std::isfinite(radius) || rings < 2 || segments < 3)
        return {};
    constexpr float pi = std::numbers::pi_v<float>;
    std::vector<Point> normals;
    normals.reserve(std::size_t(rings - 1) * segments + 2);
    normals.push_back({0.0f, 0.0f, 1.0f});
    for (int ring = 1; ring < rings; ++ring) {
        const float polar = pi * float(ring) / float(rings);
        for (int segment = 0; segment < segments; ++segment) {
            const float azimuth = 2.0f * pi * float(segment) / float(segments);
            normals.push_back({std::sin(polar) * std::cos(azimuth), std::sin(polar) * std::sin(azimuth),
                               std::cos(polar)});
        }
    }
    normals.push_back({0.0f, 0.0f, -1.0f});

    std::vector<Point> positions;
    positions.reserve(normals.size());
    for (const Point& n : normals)
        positions.push_back(scaled(n, radius));

    const std::uint32_t north = 0;
    const std::uint32_t south = std::uint32_t(normals.size() - 1);
    auto ringVertex = [segments](int ring, int segment) {
        return std::uint32_t(1 + (ring - 1) * segments + segment % segments);
    };
    std::vector<std::uint32_t> indices;
    indices.reserve(6 * std::size_t(segments) * (rings - 1));
    for (int s = 0; s < segments; ++s) {
        indices.insert(indices.end(), {north, ringVertex(1, s), ringVertex(1, s + 1)});
        for (int ring = 1; ring + 1 < rings; ++ring) {
            const std::uint32_t a = ringVertex(ring, s), b = ringVertex(ring, s + 1);
            const std::uint32_t c = ringVertex(ring + 1, s), d = ringVertex(ring + 1, s + 1);
            indices.insert(indices.end(), {a, c, d, a, d, b});
        }
        indices.insert(indices.end(), {ringVertex(rings - 1, s), south, ringVertex(rings - 1, s + 1)});
    }
    return TriangleMesh(std::move(positions), std::move(indices), std::move(normals));
}

TriangleMesh ProceduralMeshes::box(const Point& min, const Point& max)
{
    for (int axis = 0; axis < 3; ++axis)
        if (!std::isfinite(min[axis]) || !std::isfinite(max[axis]) || !(min[axis] < max[axis]))
            return {};
    std::vector<Point> positions;
    std::vector<Point> normals;
    std::vector<std::uint32_t> indices;
    // Each face: its normal axis, the sign, and two in-face axes ordered so that (u, v, normal)
    // is right-handed and the corners below run counter-clockwise seen from outside.
    for (int axis = 0; axis < 3; ++axis) {
        for (const float sign : {-1.0f, 1.0f}) {
            const int u = sign > 0.0f ? (axis + 1) % 3 : (axis + 2) % 3;
            const int v = sign > 0.0f ? (axis + 2) % 3 : (axis + 1) % 3;
            const auto first = std::uint32_t(positions.size());
            for (const auto& [du, dv] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{1, 1}, std::pair{0, 1}}) {
                Point corner{};
                corner[axis] = sign > 0.0f ? max[axis] : min[axis];
                corner[u] = du ? max[u] : min[u];
                corner[v] = dv ? max[v] : min[v];
                positions.push_back(corner);
                Point normal{0.0f, 0.0f, 0.0f};
                normal[axis] = sign;
                normals.push_back(normal);
            }
            indices.insert(indices.end(), {first, first + 1, first + 2, first, first + 2, first + 3});
        }
    }
    return TriangleMesh(std::move(positions), std::move(indices), std::move(normals));
}

TriangleMesh ProceduralMeshes::bumpyTorusKnot(std::size_t approximateTriangleCount)
{
    // The tube is about eight times longer than it is round, so its quads stay near square with
    // eight times as many columns along the knot as around the tube.
    constexpr std::uint32_t aspect = 8;
    const double quads = double(approximateTriangleCount) / 2.0;
    const auto around = std::max<std::uint32_t>(8, std::uint32_t(std::lround(std::sqrt(quads / aspect))));
    const auto along = std::max<std::uint32_t>(64, std::uint32_t(std::lround(quads / around)));

    constexpr float pi = std::numbers::pi_v<float>;
    constexpr float tubeRadius = 0.12f;
    constexpr float bumpHeight = 0.25f;
    std::vector<Point> positions;
    positions.reserve(std::size_t(along) * around);
    for (std::uint32_t i = 0; i < along; ++i) {
        const float u = 2.0f * pi * float(i) / float(along);
        // A frame that depends on u alone, so the tube closes on itself without a seam twist.
        const Point centre = torusKnotPoint(u);
        const Point ahead = torusKnotPoint(u + 0.01f);
        const Point tangent = subtract(ahead, centre);
        const Point binormal = normalized(cross(tangent, add(ahead, centre)));
        const Point normal = normalized(cross(binormal, tangent));
        for (std::uint32_t j = 0; j < around; ++j) {
            const float v = 2.0f * pi * float(j) / float(around);
            const float bump = 1.0f + bumpHeight * std::sin(29.0f * u) * std::sin(5.0f * v);
            const float r = tubeRadius * bump;
            positions.push_back(add(centre, add(scaled(normal, r * std::cos(v)), scaled(binormal, r * std::sin(v)))));
        }
    }
    TriangleMesh mesh(std::move(positions), wrappedGridIndices(around, along));
    mesh.computeVertexNormals();
    return mesh;
}

} // namespace Kairn::Graphics
