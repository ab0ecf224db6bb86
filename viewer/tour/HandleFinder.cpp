#include "viewer/tour/HandleFinder.h"

#include "ui_widgets/framework/IWidget3D.h"
#include "ui_widgets/framework/Widget3DGroup.h"
#include "ui_widgets/platform/scene/IGraphicsSystem.h"
#include "ui_widgets/platform/scene/IPointSelectionTool.h"
#include "ui_widgets/platform/scene/PointSelectionToolSettings.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"

#include <QLineF>

#include <algorithm>
#include <vector>

namespace Viewer {

using namespace Kairn::Graphics;

namespace {

std::unique_ptr<IPointSelectionTool> widgetPickTool(Viewport& viewport, int kind)
{
    std::unique_ptr<IPointSelectionTool> tool(GetIGSCtrl()->createPointSelectionTool(&viewport, kind));
    if (tool) {
        tool->settings()->setTaggedOnly(true);
        tool->settings()->setIncludeHidden(false);
    }
    return tool;
}

} // namespace

HandleFinder::HandleFinder(Viewport& viewport)
    : m_viewport(viewport)
    , m_overlayTool(widgetPickTool(viewport, 3))
    , m_widgetTool(widgetPickTool(viewport, 1))
    , m_surfaceTool(GetIGSCtrl()->createPointSelectionTool(&viewport, 0))
{
}

HandleFinder::~HandleFinder() = default;

Velto::UiWidget::IWidget3D* HandleFinder::widgetAt(const QPointF& point) const
{
    const Lumo::vec2<float> screen{static_cast<float>(point.x()), static_cast<float>(point.y())};
    VyrGraphicsNode* node = nullptr;
    for (IPointSelectionTool* tool : {m_overlayTool.get(), m_widgetTool.get()}) {
        Kairn::Objects::Vector3<float> hit;
        if (tool && !node)
            node = VyrGraphicsNode::getGraphicsNodeFromLumoNode(tool->pick(screen, hit));
    }
    if (!node)
        return nullptr;
    if (VyrGraphicsNodeWithProxy::isProxyNode(node))
        node = VyrGraphicsNodeWithProxy::getGraphicsNodeWithProxy(node);
    VyrGraphicsNode* root = Velto::UiWidget::IWidget3D::getRootGraphicsNode(node);
    if (auto* group = Velto::UiWidget::Widget3DGroup::getWidgetGroupFromGraphicsNode(root))
        return group;
    return Velto::UiWidget::IWidget3D::getWidgetFromGraphicsNode(root);
}

std::optional<QPointF> HandleFinder::findHandle(Velto::UiWidget::IWidget3D* widget, double gridStep) const
{
    if (!widget)
        return std::nullopt;
    const Lumo::vec2<float> centre = m_viewport.getCamera()->projectToScreen(widget->getPosition());
    return nearestGridPoint({centre.x, centre.y}, gridStep, [&](const QPointF& point) { return widgetAt(point) == widget; });
}

std::optional<QPointF> HandleFinder::findBareSurface(const QPointF& target, double gridStep) const
{
    if (!m_surfaceTool)
        return std::nullopt;
    return nearestGridPoint(target, gridStep, [&](const QPointF& point) {
        Kairn::Objects::Vector3<float> surfacePoint;
        Kairn::Objects::Vector3<float> normal;
        return !widgetAt(point)
               && m_surfaceTool->pickSurface({static_cast<float>(point.x()), static_cast<float>(point.y())},
                                             surfacePoint, normal);
    });
}

std::optional<QPointF> HandleFinder::nearestGridPoint(const QPointF& target, double gridStep,
                                                      const std::function<bool(const QPointF&)>& accepts) const
{
    if (!(gridStep > 0.0))
        return std::nullopt;
    const QSize size = m_viewport.size();
    // Nearest grid points first: the first hit is the answer.
    std::vector<QPointF> grid;
    for (double y = gridStep / 2; y < size.height(); y += gridStep)
        for (double x = gridStep / 2; x < size.width(); x += gridStep)
            grid.emplace_back(x, y);
    std::sort(grid.begin(), grid.end(), [&](const QPointF& a, const QPointF& b) {
        return QLineF(a, target).length() < QLineF(b, target).length();
    });
    for (const QPointF& point : grid)
        if (accepts(point))
            return point;
    return std::nullopt;
}

} // namespace Viewer
