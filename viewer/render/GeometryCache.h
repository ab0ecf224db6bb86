#pragma once

#include "viewer/render/GpuGeometry.h"
#include "viewer/render/NodeShape.h"

#include <QOpenGLTexture>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <unordered_map>

namespace Viewer {

// GPU geometry per scene node, kept across frames. An entry is made again only when the node's
// shape revision differs from the one it was made for; entries of nodes that a frame did not draw
// are dropped at the end of that frame, so a destroyed node leaves nothing behind.
// Every call needs the OpenGL context that owns the geometry to be current.
class GeometryCache
{
public:
    struct Entry
    {
        quint64 revision = 0;
        std::unique_ptr<GpuGeometry> geometry;
        std::unique_ptr<QOpenGLTexture> texture;
        bool usedThisFrame = false;
    };

    using ShapeMaker = std::function<NodeShape()>;

    explicit GeometryCache(QOpenGLExtraFunctions& gl) : m_gl(gl) {}

    void beginFrame();
    // The entry of `node` for shape `revision`, tessellated by `makeShape` when it is new or stale.
    Entry& fetch(const void* node, quint64 revision, const ShapeMaker& makeShape);
    void endFrame();
    void clear();

    // How many entries this frame had to tessellate (zero for a frame of unchanged nodes).
    int tessellationsThisFrame() const { return m_tessellationsThisFrame; }
    std::size_t size() const { return m_entries.size(); }

private:
    QOpenGLExtraFunctions& m_gl;
    std::unordered_map<const void*, Entry> m_entries;
    int m_tessellationsThisFrame = 0;
};

} // namespace Viewer
