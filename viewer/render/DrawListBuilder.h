#pragma once

#include "viewer/render/DrawItem.h"
#include "viewer/render/GeometryCache.h"

#include <QMatrix4x4>

#include <vector>

namespace Kairn::Graphics {
class Camera;
class VyrGraphicsNode;
class Viewport;
} // namespace Kairn::Graphics

namespace Viewer {

// Walks a viewport's scene and turns every visible leaf node into draw items, with geometry from
// the cache. Where a node is drawn:
// - by default at its draw transform (the scene layer's full transform with constant screen size,
//   the one picking uses);
// - under a billboard of kind 0, the billboarded node keeps its origin and axis lengths and turns
//   its X, Y and Z axes to the camera's right, up and backward; its subtree follows;
// - under a billboard of kind 1, the subtree is laid out in pixels: one local unit is
//   FixedScaleFactor pixels, local Y up the screen, around the projected anchor (or the
//   billboard's screen position);
// - 2D text always in pixels, its box's top-left corner at its origin's projection.
class DrawListBuilder
{
public:
    DrawListBuilder(Kairn::Graphics::Viewport& viewport, GeometryCache& cache);

    std::vector<DrawItem> build();

private:
    // How a node's parent placed it: in the world (the scene's own transforms, or a frame a
    // billboard replaced) or in screen pixels.
    struct Placement
    {
        enum class Space { SceneTransform, World, Screen };
        Space space = Space::SceneTransform;
        QMatrix4x4 parentMatrix;
    };

    void visit(Kairn::Graphics::VyrGraphicsNode* node, int layer, const Placement& parent);
    Placement placementOf(Kairn::Graphics::VyrGraphicsNode* node, const Placement& parent) const;
    void addLeaf(Kairn::Graphics::VyrGraphicsNode* node, int layer, const Placement& placement);
    void addItem(Kairn::Graphics::VyrGraphicsNode* node, int part, DrawItem::Style style,
                 const GeometryCache::ShapeMaker& makeShape, int layer, const Placement& placement);
    QMatrix4x4 faceCamera(const QMatrix4x4& worldFromLocal) const;
    QMatrix4x4 screenFrameAt(const QPointF& pixel) const;

    Kairn::Graphics::Viewport& m_viewport;
    const Kairn::Graphics::Camera& m_camera;
    GeometryCache& m_cache;
    QMatrix4x4 m_viewFromWorld;
    QMatrix4x4 m_clipFromWorld;
    QMatrix4x4 m_clipFromPixels;
    qreal m_devicePixelRatio;
    std::vector<DrawItem> m_items;
};

} // namespace Viewer
