#include "viewer/gallery/FreeMoveHandleWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

namespace Viewer {

using Lumo::Objects::ADevMatrix;
using Velto::UiWidget::Widget3DMouseEvent;

FreeMoveHandleWidget* FreeMoveHandleWidget::createWidget3D(Velto::UiWidget::Widget3DEventHandler* handler,
                                                           Kairn::Graphics::SceneItemType type)
{
    auto* widget = new FreeMoveHandleWidget(handler, type);
    widget->init();
    return widget;
}

FreeMoveHandleWidget::FreeMoveHandleWidget(Velto::UiWidget::Widget3DEventHandler* handler,
                                           Kairn::Graphics::SceneItemType type)
    : IWidget3D(handler, type)
{
}

void FreeMoveHandleWidget::init()
{
    setInactiveColor({0.93f, 0.55f, 0.23f, 1.0f});
    setHighlightColor({1.0f, 0.75f, 0.45f, 1.0f});
    auto* ball = Kairn::Graphics::VyrSphereNode::createGraphicsNode();
    ball->setRadius(BallRadius);
    addGraphicsNode(ball);
    resetColor();
}

bool FreeMoveHandleWidget::mouseDown(const Widget3DMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return false;
    delete mouseDownEvent;
    mouseDownEvent = new Widget3DMouseEvent(event);
    m_grabOffset = event.hitPoint - getPosition();
    return true;
}

ADevMatrix FreeMoveHandleWidget::mouseMove(const Widget3DMouseEvent& event)
{
    if (!mouseDownEvent || !eventHandler || !eventHandler->GetViewport())
        return {};
    const Kairn::Graphics::Viewport* viewport = eventHandler->GetViewport();
    const auto ray = viewport->getCamera()->getPickRay(event.screenPoint());
    const Lumo::float3 grabbed = getPosition() + m_grabOffset;
    const Lumo::float3 normal = viewport->getViewDirection();
    const float facing = Lumo::dot(Lumo::float3(ray.direction()), normal);
    if (facing == 0.0f)
        return {};
    const float t = Lumo::dot(grabbed - Lumo::float3(ray.origin()), normal) / facing;
    const Lumo::float3 translation = Lumo::float3(ray.origin()) + Lumo::float3(ray.direction()) * t - grabbed;
    if (!Lumo::isFinite(translation) || translation == Lumo::float3{})
        return {};
    if (!isSilenced())
        emit widgetFreeMove(translation);
    return ADevMatrix::Translation(translation);
}

ADevMatrix FreeMoveHandleWidget::mouseUp(const Widget3DMouseEvent&)
{
    delete mouseDownEvent;
    mouseDownEvent = nullptr;
    return {};
}

} // namespace Viewer
