#include "ui_widgets/manipulators/GimbalWidget.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisRotateWidget.h"

namespace Velto::UiWidget {

GimbalWidget::GimbalWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : Widget3DGroup(handler, type)
{
}

GimbalWidget::~GimbalWidget() = default;

GimbalWidget* GimbalWidget::createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
{
    auto* widget = new GimbalWidget(handler, type);
    widget->init();
    return widget;
}

void GimbalWidget::init()
{
    // The frame group is rigid, so a drag on any of its rings turns all three.
    Widget3DGroup* frame = Widget3DGroup::createWidget3D(eventHandler, sceneItemType);
    auto* frameRings = new ThreeAxisRotateWidget(eventHandler, sceneItemType);
    frameRings->init();
    connect(frameRings, SIGNAL(widgetThreeAxisRotate(float, const Lumo::Objects::XLine<float>&)), this,
            SIGNAL(widgetAxisRotate(float, const Lumo::Objects::XLine<float>&)));
    frame->addWidget(frameRings);
    addWidget(frame);

    auto* outerRing = new AxisRotateWidget(eventHandler, sceneItemType);
    outerRing->init();
    const Lumo::vec4<float> grey = styleColor("rgba(180, 180, 180, 100%)");
    outerRing->setInactiveColor(grey);
    outerRing->setHighlightColor(grey);
    outerRing->setRatchetDirection({0, 0, 1});
    outerRing->setDirection(-Lumo::float3{0, 1, 0});
    outerRing->setScale(1.2f);
    outerRing->setColor(outerRing->getInactiveColor());
    connect(outerRing, SIGNAL(widgetSingleAxisRotate(float,const Lumo::Objects::XLine<float>&)), this,
            SIGNAL(widgetAxisRotate(float, const Lumo::Objects::XLine<float>&)));
    addWidget(outerRing);

    setDeformable(true);
}

} // namespace Velto::UiWidget
