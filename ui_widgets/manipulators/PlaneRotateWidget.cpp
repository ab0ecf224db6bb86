#include "ui_widgets/manipulators/PlaneRotateWidget.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/manipulators/DragValueLabel.h"
#include "ui_widgets/manipulators/RotationAngle.h"
#include "ui_widgets/manipulators/RotationCursor.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/math/SharedMatrix.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"
#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"
#include "ui_widgets/platform/scene/VyrScene.h"
#include "ui_widgets/platform/scene/VyrTorusNode.h"

#include <algorithm>
#include <cmath>

namespace Velto::UiWidget {

using Kairn::Graphics::SceneItemOverlay;
using Kairn::Graphics::VyrCircleNode;
using Kairn::Graphics::VyrGraphicsNode;
using Kairn::Graphics::VyrGroupNode;
using Lumo::float3;
using Lumo::Objects::ADevMatrix;
using Matrix4 = Kairn::Objects::Matrix4<float>;
using Vector3 = Kairn::Objects::Vector3<float>;

namespace {

// A copy of `node`'s world matrix that later transforms of `node` do not reach.
Lumo::Objects::SharedMatrix* frozenWorldMatrixOf(const VyrGraphicsNode* node)
{
    return new Lumo::Objects::SharedMatrix(node->getWorldMatrix()->matrix());
}

} // namespace

PlaneRotateWidget::PlaneRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : IWidget3D(handler, type)
    , indicatorColor(widgetBlue())
{
}

PlaneRotateWidget::~PlaneRotateWidget() = default;

PlaneRotateWidget* PlaneRotateWidget::createWidget3D(Widget3DEventHandler* handler,
                                                     Kairn::Graphics::SceneItemType type)
{
    auto* widget = new PlaneRotateWidget(handler, type);
    widget->init();
    return widget;
}

void PlaneRotateWidget::init()
{
    auto* circle = VyrCircleNode::createGraphicsNode();
    auto* torus = Kairn::Graphics::VyrTorusNode::createGraphicsNode();
    torus->setRadius(1.0f);
    torus->setMinorRadius(0.03125f);
    torus->setPosition({0, 0, 0});
    // The ring stays the last node of the list: the indicator nodes take its world matrix from there.
    addGraphicsNode(Kairn::Graphics::VyrGraphicsNodeWithProxy::createGraphicsNodeWithProxy(circle, torus));

    setHoverCursor(rotationCursor());
    setActiveCursor(rotationCursor());
}

void PlaneRotateWidget::setIndicatorColor(const Lumo::vec4<float>& color)
{
    indicatorColor = color;
}

Lumo::vec4<float> PlaneRotateWidget::getIndicatorColor() const
{
    return indicatorColor;
}

float3 PlaneRotateWidget::getVectorToRing(const Widget3DMouseEvent& event, const float3& planeNormal) const
{
    if (!eventHandler || !eventHandler->GetViewport())
        return {};
    const Kairn::Objects::Ray3<float> ray = eventHandler->GetViewport()->getCamera()->getPickRay(event.screenPoint());
    const float3 origin = ray.origin();
    const float3 direction = ray.direction();
    const float denominator = Lumo::dot(planeNormal, direction);
    const float numerator = Lumo::dot(planeNormal, getPosition() - origin);
    // The crossing is taken on the whole line, behind the eye too, and a ray (nearly) parallel to
    // the plane steps by the unscaled numerator instead of dividing by almost nothing. The tilt
    // plane contains the ring's normal and the grabbed point, so with the eye close to it (a ring
    // grabbed at its point nearest the viewer) the crossing runs off to infinity and comes back
    // from behind the eye within a few pixels: a single step then swings by well over 90 degrees.
    // Crossings behind the eye must be used, not skipped: they carry the step that swings back, so
    // the drag ends near where the mouse points instead of at the far end of the swing.
    const float t = std::abs(denominator) > 1e-5f ? numerator / denominator : numerator;
    const float3 toCrossing = origin + direction * t - getPosition();
    return Lumo::isFinite(toCrossing) ? Lumo::normalized(toCrossing) : float3{};
}

bool PlaneRotateWidget::mouseEnter(const Widget3DMouseEvent& event)
{
    IWidget3D::mouseEnter(event);
    const float3 hovered = getVectorToRing(event, getDirection());
    if (!Vector3(hovered).isZero())
        grabVector = hovered;
    const float3 tangent = Lumo::cross(grabVector, getDirection());

    if (!indicatorCircle) {
        indicatorCircle = VyrCircleNode::createGraphicsNode();
        indicatorCircle->addToScene(eventHandler ? eventHandler->GetScene() : nullptr, SceneItemOverlay);
        // Shared, so that the indicator follows the ring's later transforms.
        indicatorCircle->setWorldMatrix(graphicsNodes.back()->getWorldMatrix());
    }
    indicatorCircle->setColor(indicatorColor);
    indicatorCircle->setZDirection(tangent);
    return false;
}

bool PlaneRotateWidget::mouseLeave(const Widget3DMouseEvent& event)
{
    IWidget3D::mouseLeave(event);
    indicatorCircle.reset();
    return false;
}

bool PlaneRotateWidget::mouseDown(const Widget3DMouseEvent& event)
{
    if (!(event.buttons() & Qt::LeftButton))
        return false;
    delete mouseDownEvent;
    mouseDownEvent = new Widget3DMouseEvent(event);
    mouseEnter(event);
    indicatorCircle->setColor(indicatorColor);

    Kairn::Graphics::VyrScene* scene = eventHandler ? eventHandler->GetScene() : nullptr;
    axisLines = VyrGroupNode::createGraphicsNode();
    for (const float3 end : {float3{0, 0, 1}, float3{0, 0, -1}}) {
        auto* segment = Kairn::Graphics::VyrLineSegmentNode::createGraphicsNode();
        segment->setPickable(false);
        segment->setEndPoint(end);
        segment->setColor(inactiveColor);
        axisLines->addChildNode(segment, false);
    }
    axisLines->addToScene(scene, SceneItemOverlay);

    indicatorArrow = VyrGroupNode::createGraphicsNode();
    auto* head = Kairn::Graphics::VyrConeNode::createGraphicsNode();
    head->setHeight(0.05f);
    head->setRadius(0.02f);
    head->setZDirection({0, 0, -1});
    auto* base = VyrCircleNode::createGraphicsNode();
    base->setRadius(0.02f);
    base->setFillable(true);
    indicatorArrow->addChildNode(head, float3{0, 0, 0.05f});
    indicatorArrow->addChildNode(base, float3{0, 0, 0.05f});
    indicatorArrow->setPickable(false);
    indicatorArrow->setColor(indicatorColor);
    indicatorArrow->addToScene(scene, SceneItemOverlay);

    // Both stay where the press put them, whatever the ring does afterwards.
    const VyrGraphicsNode* ringNode = graphicsNodes.back();
    axisLines->setWorldMatrix(frozenWorldMatrixOf(ringNode));
    indicatorArrow->setWorldMatrix(frozenWorldMatrixOf(ringNode));
    axisLines->setZDirection(indicatorCircle->getZDirection());
    placeIndicatorArrow();

    angle = 0.0f;

    angleLabel = createDragValueLabel(scene, 20.0f, indicatorColor, styleColor("rgba(128, 128, 128, 100%)"));
    angleStream.str(std::wstring());
    angleStream.clear();
    angleStream.setf(std::ios::fixed, std::ios::floatfield);
    angleStream.precision(1);
    updateAngleLabel();
    return true;
}

void PlaneRotateWidget::placeIndicatorArrow()
{
    indicatorArrow->setZDirection(grabVector);
    indicatorArrow->setPosition(getPosition() + grabVector * (0.5f * indicatorCircle->getXLength()));
}

void PlaneRotateWidget::updateAngleLabel()
{
    angleStream.str(std::wstring());
    angleStream.clear();
    angleStream << labelDegrees(angle) << std::ends;
    angleLabel->setText(angleStream.str().c_str());
    angleLabel->setPosition(getPosition() + grabVector * indicatorCircle->getRadius());
}

ADevMatrix PlaneRotateWidget::mouseMove(const Widget3DMouseEvent& event)
{
    if (!mouseDownEvent) {
        mouseEnter(event);
        return {};
    }
    if (!(event.buttons() & Qt::LeftButton) || !indicatorCircle)
        return {};

    const float3 tiltAxis = indicatorCircle->getZDirection();
    const float3 current = getVectorToRing(event, tiltAxis);
    const float cosine = Lumo::dot(grabVector, current);
    if (Vector3(current).isZero() || !(cosine < 1.0f))
        return {};

    const float theta = std::acos(std::max(cosine, -1.0f));
    const float sense = Lumo::dot(Lumo::cross(grabVector, current), tiltAxis) > 0 ? 1.0f : -1.0f;
    const float3 axis = tiltAxis * sense;
    const ADevMatrix step = Matrix4::Rotation(axis, theta);

    grabVector = current;
    if (!silenced)
        emit widgetPlaneRotate(theta, Lumo::Objects::XLine<float>(getPosition(), axis));
    angle += sense * theta;
    placeIndicatorArrow();

    angle = wrappedRotationAngle(angle);

    updateAngleLabel();
    return step;
}

ADevMatrix PlaneRotateWidget::mouseUp(const Widget3DMouseEvent& event)
{
    const ADevMatrix step = mouseMove(event);
    indicatorCircle.reset();
    indicatorArrow.reset();
    axisLines.reset();
    delete mouseDownEvent;
    mouseDownEvent = nullptr;
    angleLabel.reset();
    return step;
}

} // namespace Velto::UiWidget
