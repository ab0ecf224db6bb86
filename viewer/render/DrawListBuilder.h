#pragma once

#include "viewer/render/DrawItem.h"
#include "viewer/render/GeometryCache.h"

#include "ui_widgets/platform/math/ADevMatrix.h"

#include <QMatrix4x4>

#include <vector>

namespace Kairn::Graphics {
class Camera;
class VyrGraphicsNode;
class Viewport;
} // namespace Kairn::Graphics

namespace Viewer {

// Walks a viewport's scene and turns every visible node with geometry into draw items, with
// geometry from the cache. Each node is drawn with its draw transform (VyrGraphicsNode::
// getDrawTransform: pose, parent, constant screen size, billboard or screen placement), the
// matrix its pick tests against, so that what is drawn is what is hit. A node with a proxy is
// drawn as its main node. 2D text is drawn in pixels, its box's top-left corner at the
// projection of its draw transform's origin.
class DrawListBuilder
{
public:
    DrawListBuilder(Kairn::Graphics::Viewport& viewport, GeometryCache& cache);

    // Replaces the contents of `items`; reusing one vector from frame to frame keeps its storage.
    void build(std::vector<DrawItem>& items);

private:
    void visit(Kairn::Graphics::VyrGraphicsNode* node, int layer);
    void addGeometry(Kairn::Graphics::VyrGraphicsNode* node, int layer, const Lumo::Objects::ADevMatrix& transform);
    void addItem(Kairn::Graphics::VyrGraphicsNode* node, int part, DrawItem::Style style,
                 const GeometryCache::ShapeMaker& makeShape, int layer, const QMatrix4x4& worldFromLocal,
                 bool inPixels);

    Kairn::Graphics::Viewport& m_viewport;
    const Kairn::Graphics::Camera& m_camera;
    GeometryCache& m_cache;
    QMatrix4x4 m_viewFromWorld;
    QMatrix4x4 m_clipFromWorld;
    QMatrix4x4 m_clipFromPixels;
    qreal m_devicePixelRatio;
    std::vector<DrawItem>* m_items = nullptr;
};

} // namespace Viewer
