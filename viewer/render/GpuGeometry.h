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
    Tessellation::HiddenFaces hiddenFaces() const { return m_hiddenFaces; }
    QVector3D boundsMinimum() const { return m_boundsMinimum; }
    QVector3D boundsMaximum() const { return m_boundsMaximum; }
    QVector3D boundsCenter() const { return 0.5f * (m_boundsMinimum + m_boundsMaximum); }
    bool isEmpty() const { return m_indexCount == 0; }
    // Many small triangles: a scanned or generated model rather than a widget's primitive.
    bool isDense() const { return m_indexCount >= 3 * DenseTriangleCount; }

    static constexpr int DenseTriangleCount = 20000;

private:
    Tessellation::Primitive m_primitive;
    Tessellation::HiddenFaces m_hiddenFaces;
    QVector3D m_boundsMinimum;
    QVector3D m_boundsMaximum;
    int m_indexCount = 0;
    QOpenGLVertexArrayObject m_vertexArray;
    QOpenGLBuffer m_vertexBuffer{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer m_indexBuffer{QOpenGLBuffer::IndexBuffer};
};

} // namespace Viewer
