#include "viewer/render/DrawListBuilder.h"

#include "viewer/render/MatrixConversion.h"
#include "viewer/render/NodeTessellator.h"

#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/IScene.h"
#include "ui_widgets/platform/scene/SceneItemType.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/VyrCylinderNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"
#include "ui_widgets/platform/scene/VyrPolylineNode.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"
#include "ui_widgets/platform/scene/VyrText2dNode.h"
#include "ui_widgets/platform/scene/VyrTextNode.h"
#include "ui_widgets/platform/scene/VyrTorusNode.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Viewer {

using namespace Kairn::Graphics;
using Lumo::Objects::ADevMatrix;

namespace {

// Parts of a node that draws more than one thing.
constexpr int MainPart = 0;
constexpr int FillPart = 1;

// Thinner lines are hard to see on a model and to aim at (device-independent pixels; the
// pastel rings of the rotate widgets need three to read over a light model).
constexpr float MinimumLineWidth = 3.0f;
// World text is drawn with a font at least this many logical pixels high on screen.
constexpr float MinimumTextPixels = 13.0f;

// Relative luminance, with the sRGB curve taken as a square.
float luminance(const QVector4D& colour)
{
    return 0.2126f * colour.x() * colour.x() + 0.7152f * colour.y() * colour.y()
           + 0.0722f * colour.z() * colour.z();
}

// Text must read wherever it lies, on the model or on the background: it keeps its own backing
// when that is nearly opaque and contrasts with the text (4.5 : 1, as for body text on screens),
// and otherwise gets a dark plate under light text or a light one under dark text.
QVector4D legibleBacking(const QVector4D& text, const QVector4D& backing)
{
    const float textLuminance = luminance(text);
    if (backing.w() >= 0.75f) {
        const float backingLuminance = luminance(backing);
        if ((std::max(textLuminance, backingLuminance) + 0.05f) / (std::min(textLuminance, backingLuminance) + 0.05f)
            >= 4.5f)
            return backing;
    }
    return textLuminance > 0.18f ? QVector4D(0.07f, 0.08f, 0.1f, 0.85f) : QVector4D(0.97f, 0.97f, 0.95f, 0.85f);
}

// Layers in drawing order: the model, the widget layers in type order, the overlay last.
int layerOf(SceneItemType type)
{
    return type == SceneItemOverlay ? std::numeric_limits<int>::max() : type;
}

QVector4D toQt(const Lumo::vec4<float>& colour)
{
    return {colour.x, colour.y, colour.z, colour.w};
}

float determinant3(const QMatrix4x4& m)
{
    return m(0, 0) * (m(1, 1) * m(2, 2) - m(1, 2) * m(2, 1)) - m(0, 1) * (m(1, 0) * m(2, 2) - m(1, 2) * m(2, 0))
           + m(0, 2) * (m(1, 0) * m(2, 1) - m(1, 1) * m(2, 0));
}

} // namespace

DrawListBuilder::DrawListBuilder(Viewport& viewport, GeometryCache& cache)
    : m_viewport(viewport)
    , m_camera(*viewport.getCamera())
    , m_cache(cache)
    , m_viewFromWorld(toQMatrix(m_camera.viewMatrix()))
    , m_clipFromWorld(toQMatrix(m_camera.projectionMatrix()) * m_viewFromWorld)
    , m_devicePixelRatio(viewport.devicePixelRatio())
{
    // Logical pixels from the top-left, y down, to clip space; every pixel-space item lies on the
    // near plane, in front of the world geometry of its pass.
    const QSize size = viewport.size();
    const float width = static_cast<float>(std::max(1, size.width()));
    const float height = static_cast<float>(std::max(1, size.height()));
    m_clipFromPixels = QMatrix4x4(2.0f / width, 0, 0, -1, 0, -2.0f / height, 0, 1, 0, 0, 0, -1, 0, 0, 0, 1);
}

void DrawListBuilder::build(std::vector<DrawItem>& items)
{
    items.clear();
    m_items = &items;
    IScene* scene = m_viewport.getScene();
    if (!scene)
        return;
    for (const SceneItemType type : scene->itemTypes()) {
        const std::vector<VyrGraphicsNode*>& nodes = scene->nodes(type);
        for (VyrGraphicsNode* node : nodes)
            visit(node, layerOf(type));
    }
}

void DrawListBuilder::visit(VyrGraphicsNode* node, int layer)
{
    if (!node || !node->isVisible())
        return;
    if (auto* withProxy = static_cast<VyrGraphicsNodeWithProxy*>(node->GetInterface(VyrGraphicsNodeWithProxy::InterfaceID()))) {
        // Drawn as its main node; the proxy only catches picks.
        visit(withProxy->getMainNode(), layer);
        return;
    }
    addGeometry(node, layer, node->getDrawTransform(m_camera));
    node->enumerateSubNodes([&](VyrGraphicsNode* child) { visit(child, layer); });
}

void DrawListBuilder::addGeometry(VyrGraphicsNode* node, int layer, const ADevMatrix& transform)
{
    using Style = DrawItem::Style;
    const QMatrix4x4 world = toQMatrix(transform);
    if (auto* text2d = dynamic_cast<VyrText2dNode*>(node)) {
        const Lumo::vec2<float> corner = m_camera.projectToScreen(transform.transformPoint({}));
        QMatrix4x4 pixels;
        pixels.translate(corner.x, corner.y);
        // Local Y up, pixel rows down.
        pixels.scale(1.0f, -1.0f, 1.0f);
        const qreal ratio = m_devicePixelRatio;
        addItem(node, MainPart, Style::Text, [text2d, ratio] { return NodeTessellator::screenText(*text2d, ratio); },
                layer, pixels, true);
    } else if (auto* text = dynamic_cast<VyrTextNode*>(node)) {
        // A line too small or too oblique to read where it is seen is turned to face the viewer
        // about its centre, its font MinimumTextPixels high.
        const float boxPerFontPixel = static_cast<float>(text->textSizeInPixels().height()) / text->getFontSize();
        const float height = static_cast<float>(text->textSizeInPixels().height()) * VyrTextNode::worldUnitsPerFontPixel;
        const float minimumBoxPixels = MinimumTextPixels * boxPerFontPixel;
        const Lumo::float3 centre = transform.transformPoint({});
        const Lumo::vec2<float> top = m_camera.projectToScreen(transform.transformPoint({0.0f, 0.5f * height, 0.0f}));
        const Lumo::vec2<float> bottom = m_camera.projectToScreen(transform.transformPoint({0.0f, -0.5f * height, 0.0f}));
        const float pixelsPerUnit = m_camera.pixelsPerWorldUnitAt(centre);
        QMatrix4x4 shown = world;
        if (std::hypot(top.x - bottom.x, top.y - bottom.y) < minimumBoxPixels && height > 0.0f && pixelsPerUnit > 0.0f) {
            const float scale = minimumBoxPixels / (height * pixelsPerUnit);
            const QVector3D right = m_viewFromWorld.row(0).toVector3D() * scale;
            const QVector3D up = m_viewFromWorld.row(1).toVector3D() * scale;
            const QVector3D back = m_viewFromWorld.row(2).toVector3D() * scale;
            shown = QMatrix4x4(right.x(), up.x(), back.x(), centre.x, right.y(), up.y(), back.y(), centre.y,
                               right.z(), up.z(), back.z(), centre.z, 0, 0, 0, 1);
        }
        addItem(node, MainPart, Style::Text, [text] { return NodeTessellator::worldText(*text); }, layer, shown, false);
    } else if (auto* mesh = dynamic_cast<VyrMeshNode*>(node)) {
        if (mesh->mesh())
            addItem(node, MainPart, Style::Solid, [mesh] { return NodeTessellator::mesh(*mesh->mesh()); }, layer,
                    world, false);
    } else if (auto* sphere = dynamic_cast<VyrSphereNode*>(node)) {
        addItem(node, MainPart, Style::Solid, [sphere] { return NodeTessellator::sphere(*sphere); }, layer, world,
                false);
    } else if (auto* cone = dynamic_cast<VyrConeNode*>(node)) {
        addItem(node, MainPart, Style::Solid, [cone] { return NodeTessellator::cone(*cone); }, layer, world, false);
    } else if (auto* cylinder = dynamic_cast<VyrCylinderNode*>(node)) {
        addItem(node, MainPart, Style::Solid, [cylinder] { return NodeTessellator::cylinder(*cylinder); }, layer,
                world, false);
    } else if (auto* torus = dynamic_cast<VyrTorusNode*>(node)) {
        addItem(node, MainPart, Style::Solid, [torus] { return NodeTessellator::torus(*torus); }, layer, world,
                false);
    } else if (auto* circle = dynamic_cast<VyrCircleNode*>(node)) {
        addItem(node, MainPart, circle->isFillable() ? Style::Solid : Style::Line,
                [circle] { return NodeTessellator::circle(*circle); }, layer, world, false);
    } else if (auto* segment = dynamic_cast<VyrLineSegmentNode*>(node)) {
        addItem(node, MainPart, Style::Line, [segment] { return NodeTessellator::lineSegment(*segment); }, layer,
                world, false);
    } else if (auto* polyline = dynamic_cast<VyrPolylineNode*>(node)) {
        if (polyline->isFillable() && polyline->pointCount() >= 3)
            addItem(node, FillPart, Style::Solid, [polyline] { return NodeTessellator::polylineFill(*polyline); },
                    layer, world, false);
        addItem(node, MainPart, Style::Line, [polyline] { return NodeTessellator::polylineOutline(*polyline); },
                layer, world, false);
    }
}

void DrawListBuilder::addItem(VyrGraphicsNode* node, int part, DrawItem::Style style,
                              const GeometryCache::ShapeMaker& makeShape, int layer, const QMatrix4x4& worldFromLocal,
                              bool inPixels)
{
    DrawItem item;
    item.style = style;
    item.color = toQt(node->getColor());
    if (style == DrawItem::Style::Text) {
        if (auto* text = dynamic_cast<VyrTextNode*>(node))
            item.backgroundColor = toQt(text->getBackgroundColor());
        if (item.color.w() <= 0.0f && item.backgroundColor.w() <= 0.0f)
            return;
        if (item.color.w() > 0.0f)
            item.backgroundColor = legibleBacking(item.color, item.backgroundColor);
    } else if (item.color.w() <= 0.0f) {
        // Fully transparent geometry (a grab disc) is there to be picked, not seen.
        return;
    }

    GeometryCache::Entry& entry = m_cache.fetch({node, part}, node->geometryRevision(), makeShape);
    item.geometry = entry.geometry.get();
    item.texture = entry.texture.get();

    if (inPixels) {
        item.clipFromLocal = m_clipFromPixels * worldFromLocal;
        item.viewFromLocal = worldFromLocal;
        item.depth = 0.0f;
    } else {
        item.clipFromLocal = m_clipFromWorld * worldFromLocal;
        item.viewFromLocal = m_viewFromWorld * worldFromLocal;
        item.depth = -item.viewFromLocal.map(entry.geometry->boundsCenter()).z();
        item.mirrored = determinant3(worldFromLocal) < 0.0f;
    }
    item.lit = style == DrawItem::Style::Solid && node->isParticipatingInLighting() && !inPixels;
    item.flatFill = style == DrawItem::Style::Solid
                    && (part == FillPart || dynamic_cast<VyrCircleNode*>(node) != nullptr);
    item.translucent = style == DrawItem::Style::Text || item.color.w() < 1.0f;
    if (style == DrawItem::Style::Line) {
        float weight = 1.0f;
        if (auto* circle = dynamic_cast<VyrCircleNode*>(node))
            weight = circle->getWeight();
        else if (auto* segment = dynamic_cast<VyrLineSegmentNode*>(node))
            weight = segment->getWeight();
        else if (auto* polyline = dynamic_cast<VyrPolylineNode*>(node))
            weight = polyline->getWeight();
        item.lineWidth = static_cast<float>(std::max(MinimumLineWidth, weight) * m_devicePixelRatio);
    }
    item.layer = layer;
    item.fadesBehindModel = layer != SceneItemModel && layer != layerOf(SceneItemOverlay);
    item.priority = node->getPriority();
    item.sequence = static_cast<int>(m_items->size());
    m_items->push_back(item);
}

} // namespace Viewer
