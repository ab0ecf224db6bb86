#include "ui_widgets/manipulators/PlaneScaleWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"

namespace Velto::UiWidget {

using Lumo::float3;

PlaneScaleWidget::PlaneScaleWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : Widget3DGroup(handler, type)
{
}

PlaneScaleWidget::~PlaneScaleWidget() = default;

PlaneScaleWidget* PlaneScaleWidget::createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
{
    auto* widget = new PlaneScaleWidget(handler, type);
    widget->init();
    return widget;
}

void PlaneScaleWidget::init()
{
    grabber = new ThreeAxisTranslateWidget(eventHandler, Kairn::Graphics::SceneItemOverlay);
    grabber->init();
    grabber->setPosition({1, 0, 0});
    grabber->setScale(0.15f);
    connect(grabber, SIGNAL(widgetThreeAxisTranslate(const Lumo::float3&)), this,
            SLOT(OnWidgetAxisScale(const Lumo::float3&)));
    addWidget(grabber);

    scaleCircle = Kairn::Graphics::VyrCircleNode::createGraphicsNode();
    scaleCircle->participateInLighting(false);
    scaleCircle->setFillable(false);
    scaleCircle->setColor(styleColor("rgba(220, 220, 220, 60%)"));
    addGraphicsNode(scaleCircle);

    setInactiveColor(styleColor("rgba(220, 220, 220, 60%)"));
    setHighlightColor(styleColor("rgba(180, 180, 180, 100%)"));
}

void PlaneScaleWidget::setGrabberPosition(const float3& position)
{
    grabber->setPosition(position);
    scaleCircle->setRadius(Lumo::length(grabber->getPosition() - getPosition()));
}

float3 PlaneScaleWidget::getGrabberPosition() const
{
    return grabber->getPosition();
}

void PlaneScaleWidget::setSilenced(bool isSilenced)
{
    Widget3DGroup::setSilenced(isSilenced);
    grabber->setSilenced(false);
}

void PlaneScaleWidget::OnWidgetPlaneTranslate(const float3& translation)
{
    translateBy(translation);
}

void PlaneScaleWidget::OnWidgetAxisScale(const float3& translation)
{
    const float3 normal = Lumo::normalized(scaleCircle->getZDirection());
    const float3 inPlane = translation - normal * Lumo::dot(normal, translation);

    // Only the grabber is to travel within the plane: moving everything else back by the in-plane
    // part now leaves the circle's centre where it is once the handler moves the whole group.
    moveCircle(-inPlane);
    movedInPlaneSincePress = movedInPlaneSincePress - inPlane;

    // The radius that keeps the circle running through the grabber. The handler is about to
    // move centre and grabber by the same whole step, so their distance then is their distance
    // now, after the cancelling move: |g - (c - inPlane)| = |(g + step) - (c + normal part)|.
    // It is the measure setGrabberPosition uses, so a step along the normal keeps the radius.
    scaleCircle->setRadius(Lumo::length(grabber->getPosition() - getPosition()));

    if (!silenced)
        emit widgetScale(scaleCircle->getRadius());
}

void PlaneScaleWidget::moveCircle(const float3& translation)
{
    const bool grabberWasStatic = grabber->isStaticWidget();
    grabber->setStatic(true);
    IWidget3D::translateBy(translation);
    grabber->setStatic(grabberWasStatic);
}

bool PlaneScaleWidget::mouseDown(const Widget3DMouseEvent& event)
{
    const bool taken = Widget3DGroup::mouseDown(event);
    if (taken) {
        radiusAtPress = scaleCircle->getRadius();
        movedInPlaneSincePress = {};
    }
    return taken;
}

void PlaneScaleWidget::cancelDrag(const Widget3DMouseEvent& event)
{
    Widget3DGroup::cancelDrag(event);
    // The handler is about to take the whole group back by the steps it applied; the circle had
    // stayed behind by their in-plane part.
    moveCircle(-movedInPlaneSincePress);
    movedInPlaneSincePress = {};
    scaleCircle->setRadius(radiusAtPress);
}

void PlaneScaleWidget::OnWidgetAxisRotate(float radians, const Lumo::Objects::XLine<float>& rotationLine)
{
    rotateBy(radians, rotationLine);
}

} // namespace Velto::UiWidget
