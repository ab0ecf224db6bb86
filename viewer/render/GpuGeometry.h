#pragma once

#include "viewer/render/Tessellation.h"

#include <QOpenGLBuffer>
#include <QOpenGLVertexArrayObject>

class QOpenGLExtraFunctions;

namespace Viewer {

// One tessellation uploaded to the GPU: a vertex array with position (attribute 0), normal (1)
// and texture coordinate (2), and 32-bit indices. Create, draw and destroy it with the same
// OpenGL context current.
class GpuGeometry
{
public:
    static constexpr int PositionAttribute = 0;
    static constexpr int NormalAttribute = 1;
    static constexpr int TextureCoordinateAttribute = 2;

    GpuGeometry(QOpenGLExtraFunctions& gl, const Tessellation& tessellation);
    ~GpuGeometry();
    GpuGeometry(const GpuGeometry&) = delete;
    GpuGeometry& operator=(const GpuGeometry&) = delete;

    void draw(QOpenGLExtraFunctions& gl);

    Tessellation::Primitive primitive() const { return m_primitive; }
    QVector3D boundsCenter() const { return m_boundsCenter; }
    bool isEmpty() const { return m_indexCount == 0; }

private:
    Tessellation::Primitive m_primitive;
    QVector3D m_boundsCenter;
    int m_indexCount = 0;
    QOpenGLVertexArrayObject m_vertexArray;
    QOpenGLBuffer m_vertexBuffer{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer m_indexBuffer{QOpenGLBuffer::IndexBuffer};
};

} // namespace Viewer
