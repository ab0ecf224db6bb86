#include "ui_widgets/manipulators/SphereRotateWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/manipulators/RotationCursor.h"
#include "ui_widgets/platform/math/GrabDirection.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrSphereNode.h"

#include <cmath>

namespace Velto::UiWidget {

using Lumo::float3;
using Lumo::Objects::ADevMatrix;
using Matrix4 = Kairn::Objects::Matrix4<float>;
using Vector3 = Kairn::Objects::Vector3<float>;

namespace {

constexpr float stepCosine = 0.99999f;

} // namespace

SphereRotateWidget::SphereRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : IWidget3D(handler, type)
{
}

SphereRotateWidget::~SphereRotateWidget() = default;

SphereRotateWidget* SphereRotateWidget::createWidget3D(Widget3DEventHandler* handler,
                                                       Kairn::Graphics::SceneItemType type)
{
    auto* widget = new SphereRotateWidget(handler, type);
    widget->init();
    return widget;
}

void SphereRotateWidget::init()
{
    sphere = Kairn::Graphics::VyrSphereNode::createGraphicsNode();
    sphere->setPosition({0, 0, 0});
    addGraphicsNode(sphere.get());

    outline = Kairn::Graphics::VyrCircleNode::createGraphicsNode();
    outline->setFillable(false);
    addGraphicsNode(outline.get());

    setHoverCursor(rotationCursor());
    setActiveCursor(rotationCursor());
}

Kairn::Graphics::VyrSphereNode* SphereRotateWidget::getSphere() const
{
    return sphere.get();
}

Kairn::Graphics::VyrCircleNode* SphereRotateWidget::getOutline() const
{
    return outline.get();
}

float3 SphereRotateWidget::getVectorOnSphere(const Widget3DMouseEvent& event) const
{
    if (!eventHandler || !eventHandler->GetViewport())
        return {};
    const Kairn::Objects::Ray3<float> ray = eventHandler->GetViewport()->getCamera()->getPickRay(event.screenPoint());
    Vector3 direction;
    Kairn::Objects::Projection::directionToSpherePoint(ray, getPosition(), sphere->getRadius(), direction);
    return direction;
}

bool SphereRotateWidget::mouseDown(const Widget3DMouseEvent& event)
{
    if (!(event.buttons() & Qt::LeftButton))
        return false;
    delete mouseDownEvent;
    mouseDownEvent = new Widget3DMouseEvent(event);
    lastVectorOnSphere = getVectorOnSphere(event);
    return true;
}

ADevMatrix SphereRotateWidget::mouseMove(const Widget3DMouseEvent& event)
{
    if (!mouseDownEvent)
        return {};
    if (!(event.buttons() & Qt::LeftButton)) {
        mouseUp(event);
        return {};
    }

    const float3 current = getVectorOnSphere(event);
    const float3 previous = lastMouseEvent ? getVectorOnSphere(*lastMouseEvent) : lastVectorOnSphere;
    lastVectorOnSphere = previous;
    const float cosine = Lumo::dot(current, previous);
    // A zero vector (the mouse off the sphere) gives a cosine of 0 and is held back with the
    // steps of 90 degrees or more.
    if (!(std::abs(cosine) < stepCosine && cosine > 0))
        return {};

    const float theta = std::acos(cosine);
    const float3 axis = Vector3(previous).cross(current).normalized();
    if (!silenced)
        emit widgetSphereRotate(theta, Lumo::Objects::XLine<float>(getPosition(), axis));
    setLastMouseEvent(event);
    return Matrix4::Rotation(axis, theta);
}

ADevMatrix SphereRotateWidget::mouseUp(const Widget3DMouseEvent& event)
{
    delete mouseDownEvent;
    mouseDownEvent = nullptr;
    return mouseMove(event);
}

void SphereRotateWidget::setColor(const Lumo::vec4<float>& color)
{
    IWidget3D::setColor(color);
    outline->setColor({color.x, color.y, color.z, 1.0f});
}

} // namespace Velto::UiWidget
