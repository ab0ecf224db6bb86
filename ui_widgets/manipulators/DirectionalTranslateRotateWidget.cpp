#include "ui_widgets/manipulators/DirectionalTranslateRotateWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/manipulators/DirectionHandleParts.h"
#include "ui_widgets/manipulators/RingAxisTranslateWidget.h"
#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/manipulators/ThreeAxisRotateWidget.h"

namespace Velto::UiWidget {

DirectionalTranslateRotateWidget::DirectionalTranslateRotateWidget(Widget3DEventHandler* handler,
                                                                   Kairn::Graphics::SceneItemType type)
    : Widget3DGroup(handler, type)
{
}

DirectionalTranslateRotateWidget::~DirectionalTranslateRotateWidget() = default;

DirectionalTranslateRotateWidget* DirectionalTranslateRotateWidget::createWidget3D(Widget3DEventHandler* handler,
                                                                                   Kairn::Graphics::SceneItemType type)
{
    auto* widget = new DirectionalTranslateRotateWidget(handler, type);
    widget->init();
    return widget;
}

void DirectionalTranslateRotateWidget::init()
{
    directionHandle = new RingAxisTranslateWidget(eventHandler, sceneItemType);
    directionHandle->init();
    addDirectionHandle(*this, directionHandle);

    auto* rings = new ThreeAxisRotateWidget(eventHandler, sceneItemType);
    rings->init();
    rings->setReferenceAngles(0.0, 0.0, 0.0);
    AxisRotateWidget* zRing = rings->getAxisRotateWidget(2);
    zRing->setInactiveColor(styleColor("rgba(128, 128, 128, 50%)"));
    zRing->setHighlightColor(styleColor("rgba(128, 128, 128, 100%)"));
    zRing->setColor(zRing->getInactiveColor());
    connect(rings, SIGNAL(widgetThreeAxisRotate(float, const Lumo::Objects::XLine<float>&)), this,
            SIGNAL(widgetAxisRotate(float, const Lumo::Objects::XLine<float>&)));
    addWidget(rings);

    setInactiveColor(styleColor("rgba(240, 240, 240, 50%)"));
    setHighlightColor(styleColor("rgba(220, 220, 220, 50%)"));
}

} // namespace Velto::UiWidget
