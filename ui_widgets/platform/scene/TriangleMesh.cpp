#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <algorithm>

namespace Kairn::Graphics {

TriangleMesh::TriangleMesh(std::vector<Lumo::float3> positions, std::vector<std::uint32_t> indices,
                           std::vector<Lumo::float3> normals)
    : m_positions(std::move(positions))
    , m_indices(std::move(indices))
    , m_normals(std::move(normals))
{
}

bool TriangleMesh::isValid() const
{
    if (m_indices.empty() || m_indices.size() % 3 != 0)
        return false;
    if (!m_normals.empty() && m_normals.size() != m_positions.size())
        return false;
    const std::size_t count = m_positions.size();
    const auto isFinitePoint = [](const Lumo::float3& p) { return Lumo::isFinite(p); };
    return std::all_of(m_indices.begin(), m_indices.end(), [count](std::uint32_t i) { return i < count; })
        && std::all_of(m_positions.begin(), m_positions.end(), isFinitePoint)
        && std::all_of(m_normals.begin(), m_normals.end(), isFinitePoint);
}

Kairn::Objects::Box<float> TriangleMesh::bounds() const
{
    Kairn::Objects::Box<float> box;
    for (const Lumo::float3& p : m_positions)
        box.extend(p);
    return box;
}

void TriangleMesh::computeVertexNormals()
{
    std::vector<Lumo::float3> sums(m_positions.size());
    for (std::size_t t = 0; t + 2 < m_indices.size(); t += 3) {
        const std::uint32_t i0 = m_indices[t], i1 = m_indices[t + 1], i2 = m_indices[t + 2];
        if (i0 >= sums.size() || i1 >= sums.size() || i2 >= sums.size())
            continue;
        const Lumo::float3& a = m_positions[i0];
        // The cross product's length is twice the triangle's area, which gives the weighting.
        const Lumo::float3 n = Lumo::cross(m_positions[i1] - a, m_positions[i2] - a);
        for (std::uint32_t i : {i0, i1, i2})
            sums[i] = sums[i] + n;
    }
    for (Lumo::float3& n : sums)
        n = Lumo::normalized(n);
    m_normals = std::move(sums);
}

} // namespace Kairn::Graphics
