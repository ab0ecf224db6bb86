#include "viewer/render/GeometryCache.h"

namespace Viewer {

void GeometryCache::beginFrame()
{
    m_tessellationsThisFrame = 0;
    for (auto& [key, entry] : m_entries)
        entry.usedThisFrame = false;
}

GeometryCache::Entry& GeometryCache::fetch(const Key& key, quint64 revision, const ShapeMaker& makeShape)
{
    auto [position, inserted] = m_entries.try_emplace(key);
    Entry& entry = position->second;
    entry.usedThisFrame = true;
    if (!inserted && entry.revision == revision && entry.geometry)
        return entry;

    NodeShape shape = makeShape();
    ++m_tessellationsThisFrame;
    entry.revision = revision;
    entry.geometry = std::make_unique<GpuGeometry>(m_gl, shape.tessellation);
    entry.texture.reset();
    if (!shape.texture.isNull()) {
        entry.texture = std::make_unique<QOpenGLTexture>(shape.texture, QOpenGLTexture::DontGenerateMipMaps);
        entry.texture->setMinificationFilter(QOpenGLTexture::Linear);
        entry.texture->setMagnificationFilter(QOpenGLTexture::Linear);
        entry.texture->setWrapMode(QOpenGLTexture::ClampToEdge);
    }
    return entry;
}

void GeometryCache::endFrame()
{
    std::erase_if(m_entries, [](const auto& item) { return !item.second.usedThisFrame; });
}

void GeometryCache::clear()
{
    m_entries.clear();
}

} // namespace Viewer
