#include "viewer/render/GpuGeometry.h"

#include <QOpenGLExtraFunctions>

namespace Viewer {

GpuGeometry::GpuGeometry(QOpenGLExtraFunctions& gl, const Tessellation& tessellation)
    : m_primitive(tessellation.primitive())
    , m_hiddenFaces(tessellation.hiddenFaces())
    , m_indexCount(static_cast<int>(tessellation.indices().size()))
{
    tessellation.bounds(m_boundsMinimum, m_boundsMaximum);
    if (m_indexCount == 0)
        return;
    m_vertexArray.create();
    m_vertexArray.bind();
    m_vertexBuffer.create();
    m_vertexBuffer.bind();
    m_vertexBuffer.allocate(tessellation.vertices().data(),
                            static_cast<int>(tessellation.vertices().size() * sizeof(float)));
    m_indexBuffer.create();
    m_indexBuffer.bind();
    m_indexBuffer.allocate(tessellation.indices().data(),
                           static_cast<int>(tessellation.indices().size() * sizeof(std::uint32_t)));
    const int stride = Tessellation::FloatsPerVertex * static_cast<int>(sizeof(float));
    gl.glEnableVertexAttribArray(PositionAttribute);
    gl.glVertexAttribPointer(PositionAttribute, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
    gl.glEnableVertexAttribArray(NormalAttribute);
    gl.glVertexAttribPointer(NormalAttribute, 3, GL_FLOAT, GL_FALSE, stride,
                             reinterpret_cast<const void*>(3 * sizeof(float)));
    gl.glEnableVertexAttribArray(TextureCoordinateAttribute);
    gl.glVertexAttribPointer(TextureCoordinateAttribute, 2, GL_FLOAT, GL_FALSE, stride,
                             reinterpret_cast<const void*>(6 * sizeof(float)));
    m_vertexArray.release();
    m_vertexBuffer.release();
    m_indexBuffer.release();
}

GpuGeometry::~GpuGeometry()
{
    m_vertexArray.destroy();
    m_vertexBuffer.destroy();
    m_indexBuffer.destroy();
}

void GpuGeometry::draw(QOpenGLExtraFunctions& gl)
{
    if (m_indexCount == 0)
        return;
    m_vertexArray.bind();
    gl.glDrawElements(m_primitive == Tessellation::Primitive::Lines ? GL_LINES : GL_TRIANGLES, m_indexCount,
                      GL_UNSIGNED_INT, nullptr);
    m_vertexArray.release();
}

} // namespace Viewer
