#include "ui_widgets/annotation/CoordinateGridWidget.h"

#include "ui_widgets/nodes/VyrGridPlaneNode.h"

namespace Velto::UiWidget {

namespace {

constexpr float gridSpacing = 1.0f;
constexpr unsigned int gridCellsPerSide = 10;

} // namespace

CoordinateGridWidget* CoordinateGridWidget::createWidget3D(Widget3DEventHandler* handler,
                                                           Kairn::Graphics::SceneItemType type)
{
    auto* widget = new CoordinateGridWidget(handler, type);
    widget->init();
    return widget;
}

CoordinateGridWidget::CoordinateGridWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : Widget3DGroup(handler, type)
{
}

void CoordinateGridWidget::init()
{
    setCoordinateSystem({0, 0, 0}, {1, 0, 0}, {0, 1, 0});
}

bool CoordinateGridWidget::mouseDown(const Widget3DMouseEvent&)
{
    return false;
}

Lumo::Objects::ADevMatrix CoordinateGridWidget::mouseUp(const Widget3DMouseEvent&)
{
    return Lumo::Objects::ADevMatrix::Identity();
}

void CoordinateGridWidget::setCoordinateSystem(const Lumo::vec3<float>& origin, const Lumo::vec3<float>& xAxis,
                                               const Lumo::vec3<float>& yAxis)
{
    const Lumo::float3 xUnit = Lumo::normalized(xAxis);
    const Lumo::float3 yUnit = Lumo::normalized(yAxis);
    if (xUnit == Lumo::float3{} || yUnit == Lumo::float3{} || !Lumo::isFinite(origin))
        return;
    if (!gridNode) {
        clearGraphicsNodes();
        children.clear();
        gridNode = VyrGridPlaneNode::createGraphicsNode();
        addGraphicsNode(gridNode);
    }
    gridNode->configureGrid(origin, xUnit, yUnit, gridSpacing, gridCellsPerSide);
}

} // namespace Velto::UiWidget
