#pragma once

#include <QVector2D>
#include <QVector3D>

#include <cstdint>
#include <vector>

namespace Viewer {

// The CPU side of one node's geometry in the node's own frame, before it is uploaded: interleaved
// vertices (position, normal, texture coordinate) and indices into them, drawn either as
// triangles or as separate line segments (two indices per segment).
class Tessellation
{
public:
    enum class Primitive { Triangles, Lines };

    // Which faces a renderer may skip: those of a closed surface that face away from the eye.
    // Counted for the tessellation's own (unmirrored) frame.
    enum class HiddenFaces { None, Clockwise, CounterClockwise };

    static constexpr int FloatsPerVertex = 8;

    Tessellation() = default;
    explicit Tessellation(Primitive primitive) : m_primitive(primitive) {}

    Primitive primitive() const { return m_primitive; }
    HiddenFaces hiddenFaces() const { return m_hiddenFaces; }
    void setHiddenFaces(HiddenFaces faces) { m_hiddenFaces = faces; }

    // Returns the index of the new vertex.
    std::uint32_t addVertex(const QVector3D& position, const QVector3D& normal = {},
                            const QVector2D& textureCoordinate = {});
    void addTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    void addSegment(std::uint32_t a, std::uint32_t b);

    const std::vector<float>& vertices() const { return m_vertices; }
    const std::vector<std::uint32_t>& indices() const { return m_indices; }
    std::size_t vertexCount() const { return m_vertices.size() / FloatsPerVertex; }
    QVector3D position(std::size_t vertex) const;

    // The corners of the axis-aligned box around every vertex (both the origin when empty).
    void bounds(QVector3D& minimum, QVector3D& maximum) const;

private:
    Primitive m_primitive = Primitive::Triangles;
    HiddenFaces m_hiddenFaces = HiddenFaces::None;
    std::vector<float> m_vertices;
    std::vector<std::uint32_t> m_indices;
};

} // namespace Viewer
