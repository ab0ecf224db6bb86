#include "ui_widgets/manipulators/AxisTranslateWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/LengthText.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/manipulators/DragValueLabel.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"
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

#include <algorithm>
#include <cmath>

namespace Velto::UiWidget {

using Kairn::Graphics::VyrGraphicsNode;
using Kairn::Graphics::VyrGraphicsNodeWithProxy;
using Lumo::Objects::ADevMatrix;

namespace {

// An axis within 5 degrees of the line of sight counts as pointing at the eye: a pixel of mouse
// motion then moves along it by more than ten times what it moves across the view.
const float viewAlignedCosine = float(std::cos(5.0 * 3.14159265358979 / 180.0));
// The share of its alpha that a handle pointing at the eye keeps.
constexpr float viewAlignedAlpha = 0.15f;
// The most a pixel of mouse motion moves a handle along its axis, in handle lengths.
constexpr float maxTravelPerPixel = 0.1f;

} // namespace

AxisTranslateWidget::AxisTranslateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : IWidget3D(handler, type)
{
}

AxisTranslateWidget::~AxisTranslateWidget() = default;

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
    refreshViewAlignment();
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
    limitedTravelSincePress = 0.0f;
    lastDragPoint = event.screenPoint();
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

float AxisTranslateWidget::travelSincePress() const
{
    return Lumo::dot(getDirection(), getPosition() - dragStartPosition);
}

bool AxisTranslateWidget::limitedTravel(const Widget3DMouseEvent& event, float& travel)
{
    if (!remainingTravel(event, travel))
        return false;
    if (!eventHandler || !eventHandler->hasViewAlignedFade())
        return true;
    const Lumo::vec2<float> point = event.screenPoint();
    const float limit = maxTravelPerPixel * getScale() * Lumo::length(point - lastDragPoint);
    lastDragPoint = point;
    const float travelled = travelSincePress();
    limitedTravelSincePress += std::clamp(travelled + travel - limitedTravelSincePress, -limit, limit);
    travel = limitedTravelSincePress - travelled;
    return true;
}

bool AxisTranslateWidget::showsValueLabel() const
{
    return eventHandler && eventHandler->GetViewport() && eventHandler->areValueLabelsEnabled();
}

void AxisTranslateWidget::showValueLabel(const std::wstring& text, const Lumo::float3& anchor)
{
    if (!valueLabel)
        valueLabel = createDragValueLabel(eventHandler->GetScene(), 24.0f, textColor, textBackgroundColor);
    valueLabel->setText(text.c_str());
    valueLabel->setPosition(anchor);
}

ADevMatrix AxisTranslateWidget::mouseMove(const Widget3DMouseEvent& event)
{
    float travel = 0;
    if (!continueDrag(event) || !limitedTravel(event, travel))
        return {};
    const float snapStep = eventHandler ? eventHandler->snapStepFor(event) : 0.0f;
    if (snapStep > 0) {
        // Snapped from the press: the steps add up to a whole number of snap steps.
        const float travelled = travelSincePress();
        travel = std::round((travelled + travel) / snapStep) * snapStep - travelled;
        if (travel == 0)
            return {};
    }
    const Lumo::float3 step = getDirection() * travel;
    if (!silenced)
        emit widgetSingleAxisTranslate(step);
    // Beside the middle of the shaft where the handle will be after this step: in view even when
    // the arrow is long.
    if (showsValueLabel())
        showValueLabel(lengthText(L"", travelSincePress() + travel, eventHandler->getValueLabelUnit()),
                       getPosition() + step + getDirection() * (0.5f * getScale()));
    return ADevMatrix::Translation(step);
}

ADevMatrix AxisTranslateWidget::mouseUp(const Widget3DMouseEvent& event)
{
    delete mouseDownEvent;
    mouseDownEvent = nullptr;
    valueLabel.reset();
    return mouseMove(event);
}

void AxisTranslateWidget::transformBy(const ADevMatrix& matrix, bool aboutPosition)
{
    IWidget3D::transformBy(matrix, aboutPosition);
    refreshViewAlignment();
}

void AxisTranslateWidget::setDirection(const Lumo::float3& newDirection)
{
    IWidget3D::setDirection(newDirection);
    refreshViewAlignment();
}

void AxisTranslateWidget::setColor(const Lumo::vec4<float>& color)
{
    IWidget3D::setColor(viewAligned ? Lumo::vec4<float>{color.x, color.y, color.z, color.w * viewAlignedAlpha} : color);
}

void AxisTranslateWidget::setInteractive(bool value)
{
    IWidget3D::setInteractive(value);
    if (viewAligned)
        for (VyrGraphicsNode* node : graphicsNodes)
            node->setPickable(false);
}

void AxisTranslateWidget::addGraphicsNode(VyrGraphicsNode* node)
{
    IWidget3D::addGraphicsNode(node);
    if (viewAligned && node)
        node->setPickable(false);
}

void AxisTranslateWidget::refreshViewAlignment()
{
    const Kairn::Graphics::Viewport* viewport = eventHandler ? eventHandler->GetViewport() : nullptr;
    const bool aligned = viewport && eventHandler->hasViewAlignedFade()
                         && std::abs(Lumo::dot(getDirection(), viewport->getViewDirection())) > viewAlignedCosine;
    if (aligned == viewAligned)
        return;
    viewAligned = aligned;
    for (VyrGraphicsNode* node : graphicsNodes)
        node->setPickable(interactive && !aligned);
    updateTransparencyByFactor(aligned ? viewAlignedAlpha : 1.0f / viewAlignedAlpha);
}

bool AxisTranslateWidget::isViewAligned() const
{
    return viewAligned;
}

} // namespace Velto::UiWidget
