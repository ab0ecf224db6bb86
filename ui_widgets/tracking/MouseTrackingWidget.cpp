#include "ui_widgets/tracking/MouseTrackingWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/platform/math/Projection.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

namespace Velto::UiWidget {

using Lumo::Objects::ADevMatrix;
using Vector3 = Kairn::Objects::Vector3<float>;

MouseTrackingWidget* MouseTrackingWidget::createWidget3D(Widget3DEventHandler* handler,
                                                         Kairn::Graphics::SceneItemType type)
{
    auto* widget = new MouseTrackingWidget(handler, type);
    widget->init();
    return widget;
}

MouseTrackingWidget::MouseTrackingWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : IWidget3D(handler, type)
{
}

MouseTrackingWidget::~MouseTrackingWidget() = default;

void MouseTrackingWidget::init()
{
    auto* sphere = Kairn::Graphics::VyrSphereNode::createGraphicsNode();
    sphere->setRadius(0.1f);
    addGraphicsNode(sphere);
}

int MouseTrackingWidget::draggingThreshold() const
{
    return drag.threshold();
}

void MouseTrackingWidget::draggingThreshold(int pixels)
{
    drag.setThreshold(pixels);
}

bool MouseTrackingWidget::mouseDown(const Widget3DMouseEvent& event)
{
    return drag.press(event, getPosition(), mouseDownEvent);
}

ADevMatrix MouseTrackingWidget::mouseMove(const Widget3DMouseEvent& event)
{
    if (!drag.isDragging(mouseDownEvent, event) || !eventHandler || !eventHandler->GetViewport())
        return {};
    Kairn::Graphics::Viewport* viewport = eventHandler->GetViewport();
    const Kairn::Objects::Ray3<float> ray = viewport->getCamera()->getPickRay(event.screenPoint());
    // The position is read again on every move: the plane goes through where the previous steps
    // have brought the widget, so each step carries only the increment since the last one.
    const Vector3 position = getPosition();
    const Vector3 facingCamera = Vector3(viewport->getViewDirection()).negate();
    Vector3 hit;
    if (!Kairn::Objects::Projection::intersectRayPlane(ray, position, facingCamera, hit))
        return {};
    const Lumo::float3 delta = hit - position;
    if (!silenced)
        emit widgetTranslate(delta);
    return ADevMatrix::Translation(delta);
}

ADevMatrix MouseTrackingWidget::mouseUp(const Widget3DMouseEvent&)
{
    drag.release(mouseDownEvent);
    return {};
}

} // namespace Velto::UiWidget
