#include "ui_widgets/manipulators/ScaleWidget.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/DragValueLabel.h"
#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrConeNode.h"
#include "ui_widgets/platform/scene/VyrCylinderNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"

#include <cmath>

namespace Velto::UiWidget {

using Lumo::Objects::ADevMatrix;

namespace {

// Float epsilon: nearer than this, the anchor gives the widget no direction.
constexpr float anchorTolerance = 1.1920929e-7f;

} // namespace

ScaleWidget::ScaleWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : AxisTranslateWidget(handler, type)
{
}

ScaleWidget* ScaleWidget::createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
{
    auto* widget = new ScaleWidget(handler, type);
    widget->init();
    return widget;
}

void ScaleWidget::init()
{
    // The handle is built about the widget's own position before the widget moves to (0, 0, 1),
    // so the double cone sits at getPosition() and the axis runs from the anchor through it.
    buildDoubleConeHandle(*this);
    setPosition({0, 0, 1});
    anchor = {0, 0, 0};
}

void ScaleWidget::buildDoubleConeHandle(IWidget3D& widget)
{
    auto* outward = Kairn::Graphics::VyrConeNode::createGraphicsNode();
    outward->setRadius(0.5f);
    auto* inward = Kairn::Graphics::VyrConeNode::createGraphicsNode();
    inward->setRadius(0.5f);
    inward->setZDirection({0, 0, -1});

    auto* cones = Kairn::Graphics::VyrGroupNode::createGraphicsNode();
    cones->addChildNode(outward, Lumo::float3{0, 0, 0.25f});
    cones->addChildNode(inward, Lumo::float3{0, 0, -0.25f});

    auto* pickProxy = Kairn::Graphics::VyrCylinderNode::createGraphicsNode();
    pickProxy->setRadius(0.5f);
    pickProxy->setHeight(2.5f);
    pickProxy->setPosition({0, 0, -1.25f});

    widget.addGraphicsNode(Kairn::Graphics::VyrGraphicsNodeWithProxy::createGraphicsNodeWithProxy(cones, pickProxy));

    widget.setInactiveColor(styleColor("rgba(255, 138, 138, 100%)"));
    widget.setHighlightColor(styleColor("rgba(255, 161, 161, 100%)"));
    widget.setColor(widget.getInactiveColor());
}

void ScaleWidget::setAnchor(const Lumo::float3& newAnchor)
{
    anchor = newAnchor;
    if (Lumo::length(newAnchor - getPosition()) > anchorTolerance)
        setDirection(getPosition() - newAnchor);
}

Lumo::float3 ScaleWidget::getAnchor() const
{
    return anchor;
}

ADevMatrix ScaleWidget::mouseMove(const Widget3DMouseEvent& event)
{
    float travel = 0;
    if (!continueDrag(event) || !limitedTravel(event, travel))
        return {};
    // An anchor at the widget gives no scale: there is no distance to relate the drag to.
    const float anchorDistance = Lumo::length(getPosition() - anchor);
    if (!(anchorDistance > 0))
        return {};
    const float sign = travel > 0 ? 1.0f : -1.0f;
    const float factor = sign * std::abs(travel) / anchorDistance + 1.0f;
    float uniformScale = factor > 0 ? factor : 0.0f;
    const float snapStep = eventHandler ? eventHandler->scaleSnapStepFor(event) : 0.0f;
    if (snapStep > 0)
        uniformScale = std::round(uniformScale / snapStep) * snapStep;
    if (!silenced)
        emit widgetSingleAxisScale(uniformScale, anchor);
    if (showsValueLabel())
        showValueLabel(factorLabelText(uniformScale), besideHandle());
    return Kairn::Objects::Matrix4<float>::Scale({uniformScale, uniformScale, uniformScale}, anchor);
}

Lumo::float3 ScaleWidget::besideHandle() const
{
    // Level with the middle of the handle, which hangs below the widget's position along the
    // axis, and off to its side as seen from the eye, so that the cones do not hide the label.
    const Lumo::float3 middle = getPosition() - getDirection() * (0.5f * getScale());
    const Lumo::float3 side = Lumo::cross(getDirection(), eventHandler->GetViewport()->getViewDirection());
    const float sideLength = Lumo::length(side);
    return sideLength > 0 ? middle + side * (0.75f * getScale() / sideLength) : middle;
}

void ScaleWidget::OnWidgetTransform(const ADevMatrix& matrix)
{
    setAnchor(matrix.transformPoint(anchor));
}

} // namespace Velto::UiWidget
