#include "ui_widgets/manipulators/AxisRotateWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/manipulators/DragValueLabel.h"
#include "ui_widgets/manipulators/RotationAngle.h"
#include "ui_widgets/manipulators/RotationCursor.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"
#include "ui_widgets/platform/math/GrabDirection.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"
#include "ui_widgets/platform/scene/VyrTorusNode.h"

#include <cmath>

namespace Velto::UiWidget {

using Kairn::Graphics::VyrCircleNode;
using Kairn::Graphics::VyrGraphicsNode;
using Kairn::Graphics::VyrGraphicsNodeWithProxy;
using Kairn::Graphics::VyrGroupNode;
using Lumo::float3;
using Lumo::Objects::ADevMatrix;
using Matrix4 = Kairn::Objects::Matrix4<float>;
using Vector3 = Kairn::Objects::Vector3<float>;

namespace {

constexpr float ratchetDistance = 1.0625f;
// Below this cosine between two grab vectors a move is a step; above it, or at the opposite
// end near a half turn, the move is held back.
constexpr float stepCosine = 0.99999f;
constexpr double degreesPerRadian = 57.29577951308232;
constexpr double radiansPerDegree = 0.017453292519943295;
// A ratchet move of this many degrees or more is a jump, not a drag.
constexpr double ratchetJumpDegrees = 45.0;

} // namespace

AxisRotateWidget::AxisRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : IWidget3D(handler, type)
{
}

AxisRotateWidget::~AxisRotateWidget() = default;

AxisRotateWidget* AxisRotateWidget::createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
{
    auto* widget = new AxisRotateWidget(handler, type);
    widget->init();
    return widget;
}

void AxisRotateWidget::init()
{
    auto* circle = VyrCircleNode::createGraphicsNode();
    circle->setPickable(false);
    circle->setPosition({0, 0, 0});

    auto* torus = Kairn::Graphics::VyrTorusNode::createGraphicsNode();
    torus->setRadius(1.0f);
    torus->setMinorRadius(0.03125f);
    torus->setPosition({0, 0, 0});

    ring = VyrGraphicsNodeWithProxy::createGraphicsNodeWithProxy(circle, torus);
    addGraphicsNode(ring.get());
    ratchet = createRatchet();
    addGraphicsNode(ratchet.get());

    angleStream.setf(std::ios::fixed, std::ios::floatfield);
    angleStream.precision(1);

    setHoverCursor(rotationCursor());
    setActiveCursor(rotationCursor());
}

VyrGraphicsNode* AxisRotateWidget::createRatchet()
{
    auto* group = VyrGroupNode::createGraphicsNode();

    auto* cone = Kairn::Graphics::VyrConeNode::createGraphicsNode();
    cone->setRadius(0.03125f);
    cone->setHeight(0.0625f);
    cone->participateInLighting(false);
    group->addChildNode(cone, false);

    auto* base = VyrCircleNode::createGraphicsNode();
    base->setRadius(0.03125f);
    base->setFillable(true);
    group->addChildNode(base, false);

    group->setZDirection({0, 0, -1});
    return group;
}

VyrCircleNode* AxisRotateWidget::ringCircle() const
{
    return static_cast<VyrCircleNode*>(ring->getMainNode());
}

float AxisRotateWidget::ringRadius() const
{
    return ringCircle()->getRadius();
}

VyrGraphicsNodeWithProxy* AxisRotateWidget::getRing() const
{
    return ring.get();
}

VyrGraphicsNode* AxisRotateWidget::getRatchet() const
{
    return ratchet.get();
}

float3 AxisRotateWidget::getVectorOnPlane(const Widget3DMouseEvent& event) const
{
    if (!eventHandler || !eventHandler->GetViewport())
        return {};
    const Kairn::Objects::Ray3<float> ray = eventHandler->GetViewport()->getCamera()->getPickRay(event.screenPoint());
    const Kairn::Objects::Circle3<float> circle(getPosition(), getDirection(), ringRadius());
    Vector3 direction;
    Kairn::Objects::Projection::directionToRingPoint(ray, circle, direction);
    return direction;
}

std::wstring AxisRotateWidget::getAngleString()
{
    angleStream.str(std::wstring());
    angleStream.clear();
    angleStream << L' ' << labelDegrees(angle) << L' ' << std::ends;
    return angleStream.str();
}

Lumo::vec2<float> AxisRotateWidget::calculateTextPosition2D()
{
    if (!eventHandler || !eventHandler->GetViewport())
        return {};
    const Kairn::Graphics::Camera* camera = eventHandler->GetViewport()->getCamera();
    const float3 center = ring->getPosition();
    const Lumo::vec2<float> centerOnScreen = camera->projectToScreen(center);
    const Lumo::vec2<float> ringPoint =
        camera->projectToScreen(center + Lumo::normalized(lastVectorOnPlane) * ringRadius());
    return ringPoint + Lumo::normalized(ringPoint - centerOnScreen) * 10.0f;
}

void AxisRotateWidget::setAngleStep(double degrees)
{
    if (std::isfinite(degrees) && degrees > 0)
        angleStep = degrees;
}

double AxisRotateWidget::getAngleStep() const
{
    return angleStep;
}

void AxisRotateWidget::setReferenceAngle(double radians)
{
    angle = float(radians);
    referenceAngleSet = true;
}

void AxisRotateWidget::unsetReferenceAngle()
{
    referenceAngleSet = false;
}

bool AxisRotateWidget::hasReferenceAngle() const
{
    return referenceAngleSet;
}

float AxisRotateWidget::getAngle() const
{
    return angle;
}

void AxisRotateWidget::setDisplayAngle(bool display)
{
    displayAngle = display;
}

bool AxisRotateWidget::isDisplayingAngle() const
{
    return displayAngle;
}

void AxisRotateWidget::setUseRatchet(bool use)
{
    ratchet->setVisible(use);
    ratchet->setPickable(use);
}

void AxisRotateWidget::setRatchetDirection(const float3& direction)
{
    ratchet->setZDirection(-direction);
    ratchet->setPosition(direction * ratchetDistance);
}

void AxisRotateWidget::setRatchetSnapback(bool snapback)
{
    ratchetSnapback = snapback;
}

bool AxisRotateWidget::hasRatchetSnapback() const
{
    return ratchetSnapback;
}

void AxisRotateWidget::setColor(const Lumo::vec4<float>& color)
{
    for (VyrGraphicsNode* node : graphicsNodes)
        node->setColor({color.x, color.y, color.z, 0.4f});
    ratchet->setColor({color.x, color.y, color.z, 1.0f});
}

bool AxisRotateWidget::mouseEnter(const Widget3DMouseEvent& event)
{
    IWidget3D::mouseEnter(event);
    ring->setColor({highlightColor.x, highlightColor.y, highlightColor.z, 1.0f});
    return false;
}

bool AxisRotateWidget::mouseDown(const Widget3DMouseEvent& event)
{
    if (!(event.buttons() & Qt::LeftButton))
        return false;
    delete mouseDownEvent;
    mouseDownEvent = new Widget3DMouseEvent(event);
    lastVectorOnPlane = getVectorOnPlane(event);

    Kairn::Graphics::VyrScene* scene = eventHandler ? eventHandler->GetScene() : nullptr;
    if (event.graphicsNode && event.graphicsNode == ratchet.get()) {
        ratchetGhost = createRatchet();
        ratchetGhost->scaleUniformlyUsingZLength(ratchet->getZLength());
        ratchetGhost->setZDirection(ratchet->getZDirection());
        ratchetGhost->setPosition(ratchet->getPosition());
        ratchetGhost->addToScene(scene, ratchet->getSceneType());
        ratchetGhost->setColor({inactiveColor.x, inactiveColor.y, inactiveColor.z, 0.2f});
        angleStream.precision(0);
    }

    if (!referenceAngleSet)
        angle = 0.0f;

    if (displayAngle) {
        angleLabel = createDragValueLabel(scene, 24.0f, textColor, textBackgroundColor);
        updateAngleLabel();
    }
    return true;
}

ADevMatrix AxisRotateWidget::mouseMove(const Widget3DMouseEvent& event)
{
    if (!mouseDownEvent)
        return {};
    if (!(event.buttons() & Qt::LeftButton)) {
        mouseUp(event);
        return {};
    }

    const float3 current = getVectorOnPlane(event);
    const float3 previous = lastMouseEvent ? getVectorOnPlane(*lastMouseEvent) : lastVectorOnPlane;
    lastVectorOnPlane = previous;
    const float cosine = Lumo::dot(previous, current);
    if (Vector3(current).isZero() || Vector3(previous).isZero() || !(std::abs(cosine) < stepCosine))
        return {};

    const float theta = std::acos(cosine);
    const float sense = Vector3(previous).cross(current).normalized().dot(getDirection());
    const float3 axis = sense > 0 ? getDirection() : -getDirection();

    ADevMatrix step;
    if (!event.graphicsNode || event.graphicsNode != ratchet.get()) {
        step = Matrix4::Rotation(axis, theta);
        if (!silenced)
            emit widgetSingleAxisRotate(theta, Lumo::Objects::XLine<float>(getPosition(), axis));
        setLastMouseEvent(event);
        angle += sense * theta;
    } else {
        // Whole steps only; what is left over is dropped, as the next step is measured from here.
        const double steps = std::trunc(theta * degreesPerRadian / angleStep);
        if (steps != 0 && steps < std::trunc(ratchetJumpDegrees / angleStep)) {
            const float ratchetTheta = float(angleStep * radiansPerDegree * steps);
            step = Matrix4::Rotation(axis, ratchetTheta);
            if (!silenced)
                emit widgetSingleAxisRotate(ratchetTheta, Lumo::Objects::XLine<float>(getPosition(), axis));
            setLastMouseEvent(event);
            angle += ratchetTheta * sense;
        }
    }

    angle = wrappedRotationAngle(angle);

    if (displayAngle)
        updateAngleLabel();
    return step;
}

void AxisRotateWidget::updateAngleLabel()
{
    if (!angleLabel)
        return;
    angleLabel->setText(getAngleString().c_str());
    angleLabel->setPosition(getPosition() + lastVectorOnPlane * ringRadius());
}

ADevMatrix AxisRotateWidget::mouseUp(const Widget3DMouseEvent& event)
{
    delete mouseDownEvent;
    mouseDownEvent = nullptr;
    if (ratchetGhost) {
        if (ratchetSnapback) {
            ratchet->setColor(inactiveColor);
            ratchet->setZDirection(ratchetGhost->getZDirection());
            ratchet->setPosition(ratchetGhost->getPosition());
        }
        ratchetGhost.reset();
        angleStream.str(std::wstring());
        angleStream.clear();
        angleStream.precision(1);
    }
    angleLabel.reset();
    return mouseMove(event);
}

bool AxisRotateWidget::startsDragOnDoubleClick(const Widget3DMouseEvent& event) const
{
    return (event.buttons() & Qt::LeftButton) && event.graphicsNode && event.graphicsNode == ratchet.get();
}

ADevMatrix AxisRotateWidget::mouseDoubleClick(const Widget3DMouseEvent& event)
{
    if (!mouseDownEvent || !startsDragOnDoubleClick(event))
        return {};
    const float quarterTurn = float(radiansPerDegree * 90.0);
    if (!silenced)
        emit widgetSingleAxisRotate(quarterTurn, Lumo::Objects::XLine<float>(getPosition(), getDirection()));
    return Matrix4::Rotation(getDirection(), quarterTurn);
}

} // namespace Velto::UiWidget
