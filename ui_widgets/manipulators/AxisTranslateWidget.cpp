#include "ui_widgets/manipulators/AxisTranslateWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/platform/math/Projection.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/VyrCylinderNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"

#include <QPixmap>

namespace Velto::UiWidget {

using Kairn::Graphics::VyrGraphicsNodeWithProxy;
using Lumo::Objects::ADevMatrix;

AxisTranslateWidget::AxisTranslateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : IWidget3D(handler, type)
{
}

AxisTranslateWidget* AxisTranslateWidget::createWidget3D(Widget3DEventHandler* handler,
                                                         Kairn::Graphics::SceneItemType type)
{
    auto* widget = new AxisTranslateWidget(handler, type);
    widget->init();
    return widget;
}

void AxisTranslateWidget::init()
{
    auto* shaft = Kairn::Graphics::VyrLineSegmentNode::createGraphicsNode();
    shaft->setStartPoint({0, 0, 0});
    shaft->setEndPoint({0, 0, 1});

    auto* headBase = Kairn::Graphics::VyrCircleNode::createGraphicsNode();
    headBase->setRadius(0.075f);
    headBase->setFillable(true);

    auto* head = Kairn::Graphics::VyrConeNode::createGraphicsNode();
    head->setHeight(0.15f);
    head->setRadius(0.075f);
    head->participateInLighting(false);

    auto* arrow = Kairn::Graphics::VyrGroupNode::createGraphicsNode();
    arrow->addChildNode(shaft, false);
    arrow->addChildNode(headBase, Lumo::float3{0, 0, 1});
    arrow->addChildNode(head, Lumo::float3{0, 0, 1});

    // The thin arrow is hard to hit; a fatter cylinder over its whole length takes the picks.
    auto* pickProxy = Kairn::Graphics::VyrCylinderNode::createGraphicsNode();
    pickProxy->setRadius(0.1f);
    pickProxy->setHeight(1.25f);
    pickProxy->setPosition({0, 0, 0});

    addGraphicsNode(VyrGraphicsNodeWithProxy::createGraphicsNodeWithProxy(arrow, pickProxy));

    setHoverCursor(translateCursor());
    setActiveCursor(translateCursor());
}

QCursor AxisTranslateWidget::translateCursor()
{
    return QCursor(QPixmap(QStringLiteral(":/resources/images/Cursors/KtTranslate.png")), 1, 1);
}

void AxisTranslateWidget::setMoveAlongAxis(bool moveAlong)
{
    moveAlongAxis = moveAlong;
}

void AxisTranslateWidget::setMoveParallelToAxis(bool moveParallel)
{
    moveAlongAxis = !moveParallel;
}

bool AxisTranslateWidget::isMovingAlongAxis() const
{
    return moveAlongAxis;
}

bool AxisTranslateWidget::closestPointOnLineToMouse(const Widget3DEventHandler* handler,
                                                    const Widget3DMouseEvent& event,
                                                    const Lumo::Objects::XLine<float>& line, Lumo::float3& point)
{
    if (!handler || !handler->GetViewport())
        return false;
    const Kairn::Objects::Ray3<float> ray = handler->GetViewport()->getCamera()->getPickRay(event.screenPoint());
    Kairn::Objects::Vector3<float> closest;
    if (!Kairn::Objects::Projection::closestPointOnLineToRay(line, ray, closest) || !closest.isFinite())
        return false;
    point = closest;
    return true;
}

Lumo::float3 AxisTranslateWidget::GetClosestPointToAxis(const Widget3DMouseEvent& event) const
{
    Lumo::float3 point = getPosition();
    closestPointOnLineToMouse(eventHandler, event, {getPosition(), getDirection()}, point);
    return point;
}

bool AxisTranslateWidget::mouseDown(const Widget3DMouseEvent& event)
{
    if (!(event.buttons() & Qt::LeftButton))
        return false;
    delete mouseDownEvent;
    mouseDownEvent = new Widget3DMouseEvent(event);
    mouseDownEvent->hitPoint = GetClosestPointToAxis(event);
    dragStartPosition = getPosition();
    return true;
}

bool AxisTranslateWidget::continueDrag(const Widget3DMouseEvent& event)
{
    if (!mouseDownEvent)
        return false;
    if (!(event.buttons() & Qt::LeftButton)) {
        mouseUp(event);
        return false;
    }
    return true;
}

bool AxisTranslateWidget::remainingTravel(const Widget3DMouseEvent& event, float& travel) const
{
    Lumo::float3 underMouse;
    if (!mouseDownEvent || !closestPointOnLineToMouse(eventHandler, event, {getPosition(), getDirection()}, underMouse))
        return false;
    const Lumo::float3 grabOffset = mouseDownEvent->hitPoint - dragStartPosition;
    travel = Lumo::dot(getDirection(), (underMouse - getPosition()) - grabOffset);
    return std::isfinite(travel);
}

ADevMatrix AxisTranslateWidget::mouseMove(const Widget3DMouseEvent& event)
{
    float travel = 0;
    if (!continueDrag(event) || !remainingTravel(event, travel))
        return {};
    const Lumo::float3 step = getDirection() * travel;
    if (!silenced)
        emit widgetSingleAxisTranslate(step);
    return ADevMatrix::Translation(step);
}

ADevMatrix AxisTranslateWidget::mouseUp(const Widget3DMouseEvent& event)
{
    delete mouseDownEvent;
    mouseDownEvent = nullptr;
    return mouseMove(event);
}

} // namespace Velto::UiWidget
