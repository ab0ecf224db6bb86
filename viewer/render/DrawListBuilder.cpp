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
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"
#include "ui_widgets/platform/scene/VyrPolylineNode.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"
#include "ui_widgets/platform/scene/VyrText2dNode.h"
#include "ui_widgets/platform/scene/VyrTextNode.h"
#include "ui_widgets/platform/scene/VyrTorusNode.h"

#include <algorithm>
#include <limits>

namespace Viewer {

using namespace Kairn::Graphics;

namespace {

// Parts of a node that draws more than one thing.
constexpr int MainPart = 0;
constexpr int FillPart = 1;

// Layers in drawing order: the model, the widget layers in type order, the overlay last.
int layerOf(SceneItemType type)
{
    return type == SceneItemOverlay ? std::numeric_limits<int>::max() : type;
}

QVector4D toQt(const Lumo::vec4<float>& colour)
{
    return {colour.x, colour.y, colour.z, colour.w};
}

QVector3D toQt(const Lumo::float3& v)
{
    return {v.x, v.y, v.z};
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

std::vector<DrawItem> DrawListBuilder::build()
{
    IScene* scene = m_viewport.getScene();
    if (!scene)
        return {};
    for (const SceneItemType type : scene->itemTypes()) {
        // A node's destruction takes it out of the list: walk a copy.
        const std::vector<VyrGraphicsNode*> nodes = scene->nodes(type);
        for (VyrGraphicsNode* node : nodes)
            visit(node, layerOf(type), Placement{});
    }
    return std::move(m_items);
}

void DrawListBuilder::visit(VyrGraphicsNode* node, int layer, const Placement& parent)
{
    if (!node || !node->isVisible())
        return;
    const Placement placement = placementOf(node, parent);
    if (auto* withProxy = dynamic_cast<VyrGraphicsNodeWithProxy*>(node)) {
        // Drawn as its main node; the proxy only catches picks.
        visit(withProxy->getMainNode(), layer, placement);
        return;
    }
    bool hasSubNodes = false;
    node->enumerateSubNodes([&](VyrGraphicsNode* child) {
        hasSubNodes = true;
        visit(child, layer, placement);
    });
    if (!hasSubNodes)
        addLeaf(node, layer, placement);
}

DrawListBuilder::Placement DrawListBuilder::placementOf(VyrGraphicsNode* node, const Placement& parent) const
{
    const QMatrix4x4 pose = toQMatrix(node->getPoseMatrix());
    if (parent.space == Placement::Space::Screen)
        return {Placement::Space::Screen, parent.parentMatrix * pose};

    const Lumo::Graphics::Billboard* billboard = node->getBillboard();
    if (billboard && billboard->kind == 1) {
        QPointF anchor;
        if (billboard->useScreenPosition) {
            const Lumo::vec2<float> screen = billboard->ScreenPosition;
            anchor = QPointF(screen.x, screen.y);
        } else {
            // The anchor is a point of the parent's space (world space for a top-level node).
            QVector3D world = toQt(billboard->AnchorPosition);
            if (parent.space == Placement::Space::World)
                world = parent.parentMatrix.map(world);
            else if (const VyrGraphicsNode* frame = node->getParentNode())
                world = toQMatrix(frame->getDrawTransform({})).map(world);
            const Lumo::vec2<float> screen = m_camera.projectToScreen({world.x(), world.y(), world.z()});
            anchor = QPointF(screen.x, screen.y);
        }
        const float factor = billboard->FixedScaleFactor;
        QMatrix4x4 pixels = screenFrameAt(anchor);
        pixels.scale(factor);
        const Lumo::float3 scale = node->getScale();
        if (billboard->keepUpright)
            pixels.scale(scale.x, scale.y, scale.z);
        else
            pixels *= toQMatrix(node->getLocalMatrix());
        return {Placement::Space::Screen, pixels};
    }

    QMatrix4x4 world = parent.space == Placement::Space::World
                           ? parent.parentMatrix * pose
                           : toQMatrix(node->getDrawTransform(
                                 [this](const Lumo::float3& p) { return m_camera.pixelsPerWorldUnitAt(p); }));
    if (billboard && billboard->kind == 0)
        return {Placement::Space::World, faceCamera(world)};
    if (parent.space == Placement::Space::World)
        return {Placement::Space::World, world};
    return {Placement::Space::SceneTransform, world};
}

QMatrix4x4 DrawListBuilder::faceCamera(const QMatrix4x4& worldFromLocal) const
{
    const QVector3D right = toQt(m_camera.right());
    const QVector3D up = toQt(m_camera.up());
    const QVector3D back = -toQt(m_camera.getViewDirection());
    QMatrix4x4 facing = worldFromLocal;
    facing.setColumn(0, QVector4D(right * worldFromLocal.column(0).toVector3D().length(), 0));
    facing.setColumn(1, QVector4D(up * worldFromLocal.column(1).toVector3D().length(), 0));
    facing.setColumn(2, QVector4D(back * worldFromLocal.column(2).toVector3D().length(), 0));
    return facing;
}

// Pixel space around an anchor with local Y up the screen (pixel rows run down).
QMatrix4x4 DrawListBuilder::screenFrameAt(const QPointF& pixel) const
{
    QMatrix4x4 frame;
    frame.translate(static_cast<float>(pixel.x()), static_cast<float>(pixel.y()));
    frame.scale(1.0f, -1.0f, 1.0f);
    return frame;
}

void DrawListBuilder::addLeaf(VyrGraphicsNode* node, int layer, const Placement& placement)
{
    using Style = DrawItem::Style;
    if (auto* text2d = dynamic_cast<VyrText2dNode*>(node)) {
        Placement pixels = placement;
        if (placement.space != Placement::Space::Screen) {
            const QVector3D origin = placement.parentMatrix.map(QVector3D());
            const Lumo::vec2<float> screen = m_camera.projectToScreen({origin.x(), origin.y(), origin.z()});
            pixels = {Placement::Space::Screen, screenFrameAt(QPointF(screen.x, screen.y))};
        }
        const qreal ratio = m_devicePixelRatio;
        addItem(node, MainPart, Style::Text, [text2d, ratio] { return NodeTessellator::screenText(*text2d, ratio); },
                layer, pixels);
    } else if (auto* text = dynamic_cast<VyrTextNode*>(node)) {
        addItem(node, MainPart, Style::Text, [text] { return NodeTessellator::worldText(*text); }, layer, placement);
    } else if (auto* mesh = dynamic_cast<VyrMeshNode*>(node)) {
        if (mesh->mesh())
            addItem(node, MainPart, Style::Solid, [mesh] { return NodeTessellator::mesh(*mesh->mesh()); }, layer,
                    placement);
    } else if (auto* sphere = dynamic_cast<VyrSphereNode*>(node)) {
        addItem(node, MainPart, Style::Solid, [sphere] { return NodeTessellator::sphere(*sphere); }, layer, placement);
    } else if (auto* cone = dynamic_cast<VyrConeNode*>(node)) {
        addItem(node, MainPart, Style::Solid, [cone] { return NodeTessellator::cone(*cone); }, layer, placement);
    } else if (auto* cylinder = dynamic_cast<VyrCylinderNode*>(node)) {
        addItem(node, MainPart, Style::Solid, [cylinder] { return NodeTessellator::cylinder(*cylinder); }, layer,
                placement);
    } else if (auto* torus = dynamic_cast<VyrTorusNode*>(node)) {
        addItem(node, MainPart, Style::Solid, [torus] { return NodeTessellator::torus(*torus); }, layer, placement);
    } else if (auto* circle = dynamic_cast<VyrCircleNode*>(node)) {
        addItem(node, MainPart, circle->isFillable() ? Style::Solid : Style::Line,
                [circle] { return NodeTessellator::circle(*circle); }, layer, placement);
    } else if (auto* segment = dynamic_cast<VyrLineSegmentNode*>(node)) {
        addItem(node, MainPart, Style::Line, [segment] { return NodeTessellator::lineSegment(*segment); }, layer,
                placement);
    } else if (auto* polyline = dynamic_cast<VyrPolylineNode*>(node)) {
        if (polyline->isFillable() && polyline->pointCount() >= 3)
            addItem(node, FillPart, Style::Solid, [polyline] { return NodeTessellator::polylineFill(*polyline); },
                    layer, placement);
        addItem(node, MainPart, Style::Line, [polyline] { return NodeTessellator::polylineOutline(*polyline); },
                layer, placement);
    }
}

void DrawListBuilder::addItem(VyrGraphicsNode* node, int part, DrawItem::Style style,
                              const GeometryCache::ShapeMaker& makeShape, int layer, const Placement& placement)
{
    DrawItem item;
    item.style = style;
    item.color = toQt(node->getColor());
    if (style == DrawItem::Style::Text) {
        if (auto* text = dynamic_cast<VyrTextNode*>(node))
            item.backgroundColor = toQt(text->getBackgroundColor());
        if (item.color.w() <= 0.0f && item.backgroundColor.w() <= 0.0f)
            return;
    } else if (item.color.w() <= 0.0f) {
        // Fully transparent geometry (a grab disc) is there to be picked, not seen.
        return;
    }

    GeometryCache::Entry& entry = m_cache.fetch({node, part}, node->geometryRevision(), makeShape);
    item.geometry = entry.geometry.get();
    item.texture = entry.texture.get();

    const bool onScreen = placement.space == Placement::Space::Screen;
    if (onScreen) {
        item.clipFromLocal = m_clipFromPixels * placement.parentMatrix;
        item.viewFromLocal = placement.parentMatrix;
        item.depth = 0.0f;
    } else {
        item.clipFromLocal = m_clipFromWorld * placement.parentMatrix;
        item.viewFromLocal = m_viewFromWorld * placement.parentMatrix;
        item.depth = -item.viewFromLocal.map(entry.geometry->boundsCenter()).z();
        item.mirrored = determinant3(placement.parentMatrix) < 0.0f;
    }
    item.lit = style == DrawItem::Style::Solid && node->isParticipatingInLighting() && !onScreen;
    item.translucent = style == DrawItem::Style::Text || item.color.w() < 1.0f;
    if (style == DrawItem::Style::Line) {
        float weight = 1.0f;
        if (auto* circle = dynamic_cast<VyrCircleNode*>(node))
            weight = circle->getWeight();
        else if (auto* segment = dynamic_cast<VyrLineSegmentNode*>(node))
            weight = segment->getWeight();
        else if (auto* polyline = dynamic_cast<VyrPolylineNode*>(node))
            weight = polyline->getWeight();
        item.lineWidth = static_cast<float>(std::max(1.0f, weight) * m_devicePixelRatio);
    }
    item.layer = layer;
    item.priority = node->getPriority();
    item.sequence = static_cast<int>(m_items.size());
    m_items.push_back(item);
}

} // namespace Viewer
