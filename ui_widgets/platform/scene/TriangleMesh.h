#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Kairn::Graphics {

// An indexed triangle mesh: three indices per triangle into a list of float positions, with an
// optional unit normal per vertex. The mesh is a plain value; validity is checked, not enforced,
// so that readers and generators can fill it and callers can refuse what they cannot use.
class TriangleMesh
{
public:
    using Point = std::array<float, 3>;

    struct Bounds
    {
        Point min{0.0f, 0.0f, 0.0f};
        Point max{0.0f, 0.0f, 0.0f};
    };

    TriangleMesh() = default;
    TriangleMesh(std::vector<Point> positions, std::vector<std::uint32_t> indices,
                 std::vector<Point> normals = {});

    const std::vector<Point>& positions() const { return m_positions; }
    const std::vector<std::uint32_t>& indices() const { return m_indices; }
    const std::vector<Point>& normals() const { return m_normals; }

    std::size_t vertexCount() const { return m_positions.size(); }
    std::size_t triangleCount() const { return m_indices.size() / 3; }
    bool isEmpty() const { return m_indices.empty(); }
    bool hasNormals() const { return !m_normals.empty(); }

    // True when the mesh has at least one triangle, a whole number of triangles, every index names
    // a vertex, every coordinate is finite and the normals, if any, match the vertices one to one.
    bool isValid() const;

    // The axis-aligned box around every vertex; an empty box at the origin for a mesh without
    // vertices.
    Bounds bounds() const;

    // Replaces the normals by area-weighted averages of the adjacent triangles' normals. A vertex
    // that touches no triangle of non-zero area gets the zero vector.
    void computeVertexNormals();

private:
    std::vector<Point> m_positions;
    std::vector<std::uint32_t> m_indices;
    std::vector<Point> m_normals;
};

} // namespace Kairn::Graphics
