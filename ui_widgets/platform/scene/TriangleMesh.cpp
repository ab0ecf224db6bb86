#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <algorithm>
#include <cmath>

namespace Kairn::Graphics {

namespace {

bool isFinite(const TriangleMesh::Point& p)
{
    return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]);
}

} // namespace

TriangleMesh::TriangleMesh(std::vector<Point> positions, std::vector<std::uint32_t> indices,
                           std::vector<Point> normals)
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
    return std::all_of(m_indices.begin(), m_indices.end(), [count](std::uint32_t i) { return i < count; })
        && std::all_of(m_positions.begin(), m_positions.end(), isFinite)
        && std::all_of(m_normals.begin(), m_normals.end(), isFinite);
}

TriangleMesh::Bounds TriangleMesh::bounds() const
{
    if (m_positions.empty())
        return {};
    Bounds box{m_positions.front(), m_positions.front()};
    for (const Point& p : m_positions) {
        for (int axis = 0; axis < 3; ++axis) {
            box.min[axis] = std::min(box.min[axis], p[axis]);
            box.max[axis] = std::max(box.max[axis], p[axis]);
        }
    }
    return box;
}

void TriangleMesh::computeVertexNormals()
{
    std::vector<Point> sums(m_positions.size(), Point{0.0f, 0.0f, 0.0f});
    for (std::size_t t = 0; t + 2 < m_indices.size(); t += 3) {
        const std::uint32_t i0 = m_indices[t], i1 = m_indices[t + 1], i2 = m_indices[t + 2];
        if (i0 >= sums.size() || i1 >= sums.size() || i2 >= sums.size())
            continue;
        const Point& a = m_positions[i0];
        const Point& b = m_positions[i1];
        const Point& c = m_positions[i2];
        const float e1[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        const float e2[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        // The cross product's length is twice the triangle's area, which gives the weighting.
        const Point n{e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                      e1[0] * e2[1] - e1[1] * e2[0]};
        for (std::uint32_t i : {i0, i1, i2})
            for (int axis = 0; axis < 3; ++axis)
                sums[i][axis] += n[axis];
    }
    for (Point& n : sums) {
        const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (length > 0.0f && std::isfinite(length))
            n = {n[0] / length, n[1] / length, n[2] / length};
        else
            n = {0.0f, 0.0f, 0.0f};
    }
    m_normals = std::move(sums);
}

} // namespace Kairn::Graphics
