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
    if (!widget || !(gridStep > 0.0))
        return std::nullopt;
    const Lumo::vec2<float> centre = m_viewport.getCamera()->projectToScreen(widget->getPosition());
    const QSize size = m_viewport.size();
    // Nearest grid points first: the first hit is the answer.
    std::vector<QPointF> grid;
    for (double y = gridStep / 2; y < size.height(); y += gridStep)
        for (double x = gridStep / 2; x < size.width(); x += gridStep)
            grid.emplace_back(x, y);
    const QPointF c(centre.x, centre.y);
    std::sort(grid.begin(), grid.end(), [&](const QPointF& a, const QPointF& b) {
        return QLineF(a, c).length() < QLineF(b, c).length();
    });
    for (const QPointF& point : grid)
        if (widgetAt(point) == widget)
            return point;
    return std::nullopt;
}

} // namespace Viewer
