#include "ui_widgets/platform/scene/ProceduralMeshes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace Kairn::Graphics {

namespace {

using Lumo::float3;

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
float3 torusKnotPoint(float u)
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
    std::vector<float3> normals;
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

    std::vector<float3> positions;
    positions.reserve(normals.size());
    for (const float3& n : normals)
        positions.push_back(n * radius);

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

TriangleMesh ProceduralMeshes::box(const Kairn::Objects::Box<float>& bounds)
{
    const float3 min = bounds.min();
    const float3 max = bounds.max();
    if (!Lumo::isFinite(min) || !Lumo::isFinite(max) || !(min.x < max.x && min.y < max.y && min.z < max.z))
        return {};
    // Corner k takes the maximum on X when bit 0 of k is set, on Y for bit 1 and on Z for bit 2.
    auto corner = [&](int k) { return float3{k & 1 ? max.x : min.x, k & 2 ? max.y : min.y, k & 4 ? max.z : min.z}; };
    struct Face
    {
        float3 normal;
        int corners[4]; // counter-clockwise seen from outside
    };
    const Face faces[] = {
        {{-1, 0, 0}, {0, 4, 6, 2}}, {{1, 0, 0}, {1, 3, 7, 5}}, {{0, -1, 0}, {0, 1, 5, 4}},
        {{0, 1, 0}, {2, 6, 7, 3}},  {{0, 0, -1}, {0, 2, 3, 1}}, {{0, 0, 1}, {4, 5, 7, 6}},
    };
    std::vector<float3> positions;
    std::vector<float3> normals;
    std::vector<std::uint32_t> indices;
    for (const Face& face : faces) {
        const auto first = std::uint32_t(positions.size());
        for (int k : face.corners) {
            positions.push_back(corner(k));
            normals.push_back(face.normal);
        }
        indices.insert(indices.end(), {first, first + 1, first + 2, first, first + 2, first + 3});
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
    std::vector<float3> positions;
    positions.reserve(std::size_t(along) * around);
    for (std::uint32_t i = 0; i < along; ++i) {
        const float u = 2.0f * pi * float(i) / float(along);
        // A frame that depends on u alone, so the tube closes on itself without a seam twist.
        const float3 centre = torusKnotPoint(u);
        const float3 ahead = torusKnotPoint(u + 0.01f);
        const float3 tangent = ahead - centre;
        const float3 binormal = Lumo::normalized(Lumo::cross(tangent, ahead + centre));
        const float3 normal = Lumo::normalized(Lumo::cross(binormal, tangent));
        for (std::uint32_t j = 0; j < around; ++j) {
            const float v = 2.0f * pi * float(j) / float(around);
            const float r = tubeRadius * (1.0f + bumpHeight * std::sin(29.0f * u) * std::sin(5.0f * v));
            positions.push_back(centre + normal * (r * std::cos(v)) + binormal * (r * std::sin(v)));
        }
    }
    TriangleMesh mesh(std::move(positions), wrappedGridIndices(around, along));
    mesh.computeVertexNormals();
    return mesh;
}

} // namespace Kairn::Graphics
