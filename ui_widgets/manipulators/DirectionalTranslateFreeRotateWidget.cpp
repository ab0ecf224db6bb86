#include "ui_widgets/manipulators/DirectionalTranslateFreeRotateWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/DirectionHandleParts.h"
#include "ui_widgets/manipulators/RingAxisTranslateWidget.h"
#include "ui_widgets/manipulators/SphereRotateWidget.h"
#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/platform/math/Color.h"

namespace Velto::UiWidget {

namespace {

// The style colour's red, green and blue with no opacity at all.
Lumo::vec4<float> invisible(const char* text)
{
    const Kairn::Objects::Color4 color(styleColor(text));
    return Kairn::Objects::Color4(color.rgb(), 0.0f);
}

} // namespace

DirectionalTranslateFreeRotateWidget::DirectionalTranslateFreeRotateWidget(Widget3DEventHandler* handler,
                                                                           Kairn::Graphics::SceneItemType type)
    : Widget3DGroup(handler, type)
{
}

DirectionalTranslateFreeRotateWidget::~DirectionalTranslateFreeRotateWidget() = default;

DirectionalTranslateFreeRotateWidget* DirectionalTranslateFreeRotateWidget::createWidget3D(
    Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
{
    auto* widget = new DirectionalTranslateFreeRotateWidget(handler, type);
    widget->init();
    return widget;
}

void DirectionalTranslateFreeRotateWidget::init()
{
    directionHandle = new RingAxisTranslateWidget(eventHandler, sceneItemType);
    directionHandle->init();
    addDirectionHandle(*this, directionHandle);

    auto* sphere = new SphereRotateWidget(eventHandler, sceneItemType);
    sphere->init();
    connect(sphere, SIGNAL(widgetSphereRotate(float, const Lumo::Objects::XLine<float>&)), this,
            SIGNAL(widgetAxisRotate(float, const Lumo::Objects::XLine<float>&)));
    // The sphere body stays invisible in both states; its outline is drawn opaque in these
    // colours (SphereRotateWidget::setColor).
    sphere->setInactiveColor(invisible("rgba(220, 220, 220, 100%)"));
    sphere->setHighlightColor(invisible("rgba(128, 128, 128, 100%)"));
    sphere->setColor(sphere->getInactiveColor());
    addWidget(sphere);

    setInactiveColor(styleColor("rgba(128, 128, 128, 100%)"));
    setHighlightColor(styleColor("rgba(196, 196, 196, 100%)"));
    setColor(getInactiveColor());
}

} // namespace Velto::UiWidget
