#include "ui_widgets/manipulators/TriadWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/ThreeAxisRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"

namespace Velto::UiWidget {

TriadWidget::TriadWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : Widget3DGroup(handler, type)
{
}

TriadWidget::~TriadWidget() = default;

TriadWidget* TriadWidget::createWidget3D(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
{
    auto* widget = new TriadWidget(handler, type);
    widget->init();
    return widget;
}

void TriadWidget::init()
{
    auto* rotatePart = new ThreeAxisRotateWidget(eventHandler, sceneItemType);
    rotatePart->init();
    connect(rotatePart, SIGNAL(widgetThreeAxisRotate(float, const Lumo::Objects::XLine<float>&)), this,
            SIGNAL(widgetTriadRotate(float, const Lumo::Objects::XLine<float>&)));
    addWidget(rotatePart);

    auto* translatePart = new ThreeAxisTranslateWidget(eventHandler, sceneItemType);
    translatePart->init();
    translatePart->setScale(0.6f);
    connect(translatePart, SIGNAL(widgetThreeAxisTranslate(const Lumo::float3&)), this,
            SIGNAL(widgetTriadTranslate(const Lumo::float3&)));
    addWidget(translatePart);
}

} // namespace Velto::UiWidget
