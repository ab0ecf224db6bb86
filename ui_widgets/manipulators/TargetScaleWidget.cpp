#include "ui_widgets/manipulators/TargetScaleWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/Widget3DMouseEvent.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"
#include "ui_widgets/manipulators/DragValueLabel.h"
#include "ui_widgets/manipulators/ScaleWidget.h"
#include "ui_widgets/nodes/VyrMarginTextNode.h"
#include "ui_widgets/platform/math/SharedMatrix.h"
#include "ui_widgets/platform/scene/IVYRNode.h"

#include <cmath>

namespace Velto::UiWidget {

using Lumo::Objects::ADevMatrix;

namespace {

// Nearer to the centre than this, the handle's press distance is no measure to scale by.
constexpr float minimumPressDistance = 1e-5f;

} // namespace

TargetScaleWidget::TargetScaleWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : IWidget3D(handler, type)
{
}

TargetScaleWidget::~TargetScaleWidget() = default;

TargetScaleWidget* TargetScaleWidget::createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
{
    auto* widget = new TargetScaleWidget(handler, type);
    widget->init();
    return widget;
}

void TargetScaleWidget::init()
{
    ScaleWidget::buildDoubleConeHandle(*this);
}

void TargetScaleWidget::setTargetObject(Kairn::Objects::IVYRNode* newTarget)
{
    target = newTarget;
    UpdateWidget();
    setDirection(getPosition() - Lumo::float3(targetCentre));
}

Kairn::Objects::IVYRNode* TargetScaleWidget::getTargetObject() const
{
    return target;
}

void TargetScaleWidget::UpdateWidget()
{
    if (!target)
        return;
    Kairn::Objects::Vector3<double> centre;
    Kairn::Objects::Vector3<double> handle;
    target->getReferencePoints(centre, handle);
    targetCentre = centre.toFloat();
    setPosition(handle.toFloat());
}

Lumo::float3 TargetScaleWidget::GetClosestPointToAxis(const Widget3DMouseEvent& event) const
{
    const Lumo::float3 towardCentre = Lumo::normalized(Lumo::float3(targetCentre) - getPosition());
    Lumo::float3 point = getPosition();
    AxisTranslateWidget::closestPointOnLineToMouse(eventHandler, event, {getPosition(), towardCentre}, point);
    return point;
}

bool TargetScaleWidget::mouseDown(const Widget3DMouseEvent& event)
{
    if (!(event.buttons() & Qt::LeftButton) || !target)
        return false;
    const Lumo::Objects::SharedMatrix* world = target->getWorldMatrix();
    startTransform = world ? world->matrix() : ADevMatrix();
    delete mouseDownEvent;
    mouseDownEvent = new Widget3DMouseEvent(event);
    mouseDownEvent->hitPoint = GetClosestPointToAxis(event);
    dragStartPosition = getPosition();
    return true;
}

ADevMatrix TargetScaleWidget::mouseMove(const Widget3DMouseEvent& event)
{
    if (!mouseDownEvent)
        return {};
    if (!(event.buttons() & Qt::LeftButton)) {
        mouseUp(event);
        return {};
    }
    const Lumo::float3 centre = targetCentre;
    const Lumo::float3 current = getPosition();
    const Lumo::float3 towardCentre = Lumo::normalized(centre - current);
    Lumo::float3 underMouse;
    if (!AxisTranslateWidget::closestPointOnLineToMouse(eventHandler, event, {current, towardCentre}, underMouse))
        return {};
    const Lumo::float3 grabOffset = mouseDownEvent->hitPoint - dragStartPosition;
    const float travel = Lumo::dot(towardCentre, (underMouse - current) - grabOffset);
    const Lumo::float3 handleToReach = current + towardCentre * travel;

    const float pressDistance = Lumo::length(dragStartPosition - centre);
    if (pressDistance > minimumPressDistance) {
        float factor = Lumo::length(handleToReach - centre) / pressDistance;
        const float snapStep = eventHandler ? eventHandler->scaleSnapStepFor(event) : 0.0f;
        if (snapStep > 0)
            factor = std::round(factor / snapStep) * snapStep;
        ScaleObject(factor);
        if (!silenced)
            emit widgetScale();
        if (eventHandler && eventHandler->areValueLabelsEnabled()) {
            if (!factorLabel)
                factorLabel = createDragValueLabel(eventHandler->GetScene(), 24.0f, textColor, textBackgroundColor);
            factorLabel->setText(factorLabelText(factor).c_str());
            factorLabel->setPosition(getPosition());
        }
    }
    return {};
}

ADevMatrix TargetScaleWidget::mouseUp(const Widget3DMouseEvent& event)
{
    delete mouseDownEvent;
    mouseDownEvent = nullptr;
    factorLabel.reset();
    return mouseMove(event);
}

void TargetScaleWidget::ScaleObject(float factor)
{
    if (!target || !std::isfinite(factor))
        return;
    const ADevMatrix scaled = ADevMatrix::Multiply(startTransform, ADevMatrix::Scale({factor, factor, factor}));
    target->setWorldMatrix(new Lumo::Objects::SharedMatrix(scaled));
    UpdateWidget();
}

void TargetScaleWidget::cancelDrag(const Widget3DMouseEvent& event)
{
    if (mouseDownEvent)
        ScaleObject(1.0f);
    mouseUp(event);
}

} // namespace Velto::UiWidget
