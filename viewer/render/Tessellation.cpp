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

QVector3D Tessellation::position(std::size_t vertex) const
{
    const float* v = m_vertices.data() + vertex * FloatsPerVertex;
    return {v[0], v[1], v[2]};
}

void Tessellation::bounds(QVector3D& minimum, QVector3D& maximum) const
{
    minimum = maximum = vertexCount() == 0 ? QVector3D() : position(0);
    for (std::size_t i = 1; i < vertexCount(); ++i) {
        const QVector3D p = position(i);
        minimum = QVector3D(std::min(minimum.x(), p.x()), std::min(minimum.y(), p.y()), std::min(minimum.z(), p.z()));
        maximum = QVector3D(std::max(maximum.x(), p.x()), std::max(maximum.y(), p.y()), std::max(maximum.z(), p.z()));
    }
}

} // namespace Viewer
