#include "ui_widgets/manipulators/PlaneScaleRotateWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/PlaneRotateWidget.h"
#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/manipulators/TiltRingParts.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"

namespace Velto::UiWidget {

PlaneScaleRotateWidget::PlaneScaleRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : PlaneScaleWidget(handler, type)
{
}

PlaneScaleRotateWidget::~PlaneScaleRotateWidget() = default;

PlaneScaleRotateWidget* PlaneScaleRotateWidget::createWidget3D(Widget3DEventHandler* handler,
                                                               Kairn::Graphics::SceneItemType type)
{
    auto* widget = new PlaneScaleRotateWidget(handler, type);
    widget->init();
    return widget;
}

void PlaneScaleRotateWidget::init()
{
    PlaneScaleWidget::init();

    ring = new PlaneRotateWidget(eventHandler, Kairn::Graphics::SceneItemOverlay);
    ring->init();
    applyTiltRingColors(*ring);
    connect(ring, SIGNAL(widgetPlaneRotate(float, const Lumo::Objects::XLine<float>&)), this,
            SIGNAL(widgetScalePlaneRotate(float, const Lumo::Objects::XLine<float>&)));
    addWidget(ring);

    setInactiveColor(styleColor("rgba(220, 220, 220, 60%)"));
    setHighlightColor(styleColor("rgba(180, 180, 180, 100%)"));
}

void PlaneScaleRotateWidget::setGrabberPosition(const Lumo::float3& position)
{
    PlaneScaleWidget::setGrabberPosition(position);
    fitRingToCircle();
}

void PlaneScaleRotateWidget::OnWidgetAxisScale(const Lumo::float3& translation)
{
    PlaneScaleWidget::OnWidgetAxisScale(translation);
    fitRingToCircle();
}

// The ring's pick torus has radius 1 at scale 1, so its scale is its radius.
void PlaneScaleRotateWidget::fitRingToCircle()
{
    ring->setScale(scaleCircle->getRadius());
}

} // namespace Velto::UiWidget
