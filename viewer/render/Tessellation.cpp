#include "viewer/render/Tessellation.h"

#include <algorithm>

namespace Viewer {

std::uint32_t Tessellation::addVertex(const QVector3D& position, const QVector3D& normal,
                                      const QVector2D& textureCoordinate)
{
    const auto index = static_cast<std::uint32_t>(vertexCount());
    m_vertices.insert(m_vertices.end(), {position.x(), position.y(), position.z(), normal.x(), normal.y(),
                                         normal.z(), textureCoordinate.x(), textureCoordinate.y()});
    return index;
}

void Tessellation::addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    m_indices.insert(m_indices.end(), {a, b, c});
}

void Tessellation::addSegment(std::uint32_t a, std::uint32_t b)
{
    m_indices.insert(m_indices.end(), {a, b});
}

void Tessellation::append(const Tessellation& other)
{
    const auto offset = static_cast<std::uint32_t>(vertexCount());
    m_vertices.insert(m_vertices.end(), other.m_vertices.begin(), other.m_vertices.end());
    m_indices.reserve(m_indices.size() + other.m_indices.size());
    for (const auto index : other.m_indices)
        m_indices.push_back(index + offset);
}

QVector3D Tessellation::position(std::size_t vertex) const
{
    const float* v = m_vertices.data() + vertex * FloatsPerVertex;
    return {v[0], v[1], v[2]};
}

QVector3D Tessellation::boundsCenter() const
{
    if (vertexCount() == 0)
        return {};
    QVector3D low = position(0);
    QVector3D high = low;
    for (std::size_t i = 1; i < vertexCount(); ++i) {
        const QVector3D p = position(i);
        low = QVector3D(std::min(low.x(), p.x()), std::min(low.y(), p.y()), std::min(low.z(), p.z()));
        high = QVector3D(std::max(high.x(), p.x()), std::max(high.y(), p.y()), std::max(high.z(), p.z()));
    }
    return (low + high) * 0.5f;
}

} // namespace Viewer
