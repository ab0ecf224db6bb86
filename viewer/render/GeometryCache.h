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
// are dropped at the end of that frame, so a destroyed node leaves nothing behind. Revisions are
// unique across all nodes, so a new node that happens to get a freed node's address never
// matches the old entry.
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

    // A node may draw several parts (a filled polyline: its fill and its outline).
    struct Key
    {
        const void* node = nullptr;
        int part = 0;
        bool operator==(const Key&) const = default;
    };

    explicit GeometryCache(QOpenGLExtraFunctions& gl) : m_gl(gl) {}

    void beginFrame();
    // The entry of `key` for shape `revision`, tessellated by `makeShape` when it is new or stale.
    Entry& fetch(const Key& key, quint64 revision, const ShapeMaker& makeShape);
    void endFrame();
    void clear();

    // How many entries this frame had to tessellate (zero for a frame of unchanged nodes).
    int tessellationsThisFrame() const { return m_tessellationsThisFrame; }
    std::size_t size() const { return m_entries.size(); }

private:
    QOpenGLExtraFunctions& m_gl;
    struct KeyHash
    {
        std::size_t operator()(const Key& key) const
        {
            return std::hash<const void*>()(key.node) ^ (std::hash<int>()(key.part) << 1);
        }
    };

    std::unordered_map<Key, Entry, KeyHash> m_entries;
    int m_tessellationsThisFrame = 0;
};

} // namespace Viewer
