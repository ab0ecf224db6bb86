#include "ui_widgets/manipulators/ThreeAxisTranslatePlaneRotateWidget.h"

#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/PlaneRotateWidget.h"
#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"
#include "ui_widgets/manipulators/TiltRingParts.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

namespace Velto::UiWidget {

ThreeAxisTranslatePlaneRotateWidget::ThreeAxisTranslatePlaneRotateWidget(Widget3DEventHandler* handler,
                                                                         Kairn::Graphics::SceneItemType type)
    : Widget3DGroup(handler, type)
{
}

ThreeAxisTranslatePlaneRotateWidget::~ThreeAxisTranslatePlaneRotateWidget() = default;

ThreeAxisTranslatePlaneRotateWidget* ThreeAxisTranslatePlaneRotateWidget::createWidget3D(
    Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
{
    auto* widget = new ThreeAxisTranslatePlaneRotateWidget(handler, type);
    widget->init();
    return widget;
}

void ThreeAxisTranslatePlaneRotateWidget::init()
{
    auto* arrows = new ThreeAxisTranslateWidget(eventHandler, Kairn::Graphics::SceneItemOverlay);
    arrows->init();
    arrows->setScale(0.25f);
    connect(arrows, SIGNAL(widgetThreeAxisTranslate(const Lumo::float3&)), this,
            SIGNAL(widgetAxisTranslate(const Lumo::float3&)));
    addWidget(arrows);

    auto* ring = new PlaneRotateWidget(eventHandler, sceneItemType);
    ring->init();
    addFillableTiltRing(*this, ring);
}

void ThreeAxisTranslatePlaneRotateWidget::setFillable(bool fillable)
{
    for (Kairn::Graphics::VyrGraphicsNode* node : graphicsNodes)
        node->setVisible(fillable);
}

} // namespace Velto::UiWidget
