#pragma once

#include "ui_widgets/platform/math/Box.h"
#include "ui_widgets/platform/math/Vec.h"

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
    TriangleMesh() = default;
    TriangleMesh(std::vector<Lumo::float3> positions, std::vector<std::uint32_t> indices,
                 std::vector<Lumo::float3> normals = {});

    const std::vector<Lumo::float3>& positions() const { return m_positions; }
    const std::vector<std::uint32_t>& indices() const { return m_indices; }
    const std::vector<Lumo::float3>& normals() const { return m_normals; }

    std::size_t vertexCount() const { return m_positions.size(); }
    std::size_t triangleCount() const { return m_indices.size() / 3; }
    bool isEmpty() const { return m_indices.empty(); }
    bool hasNormals() const { return !m_normals.empty(); }

    // True when the mesh has at least one triangle, a whole number of triangles, every index names
    // a vertex, every coordinate is finite and the normals, if any, match the vertices one to one.
    bool isValid() const;

    // The axis-aligned box around every vertex; an empty box for a mesh without vertices.
    Kairn::Objects::Box<float> bounds() const;

    // Replaces the normals by area-weighted averages of the adjacent triangles' normals. A vertex
    // that touches no triangle of non-zero area gets the zero vector.
    void computeVertexNormals();

private:
    std::vector<Lumo::float3> m_positions;
    std::vector<std::uint32_t> m_indices;
    std::vector<Lumo::float3> m_normals;
};

} // namespace Kairn::Graphics
