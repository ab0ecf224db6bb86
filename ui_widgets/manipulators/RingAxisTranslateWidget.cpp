#include "ui_widgets/manipulators/RingAxisTranslateWidget.h"

#include "ui_widgets/platform/scene/VyrCircleNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrTorusNode.h"

namespace Velto::UiWidget {

namespace {

constexpr float ringRadius = 4.0f / 3.0f;
constexpr float ringTubeRadius = 1.0f / 24.0f;

Lumo::vec4<float> transparent(const Lumo::vec4<float>& color)
{
    return {color.x, color.y, color.z, 0.0f};
}

} // namespace

RingAxisTranslateWidget::RingAxisTranslateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : AxisTranslateWidget(handler, type)
{
}

RingAxisTranslateWidget* RingAxisTranslateWidget::createWidget3D(Widget3DEventHandler* handler,
                                                                 Kairn::Graphics::SceneItemType type)
{
    auto* widget = new RingAxisTranslateWidget(handler, type);
    widget->init();
    return widget;
}

void RingAxisTranslateWidget::init()
{
    auto* ring = Kairn::Graphics::VyrCircleNode::createGraphicsNode();
    ring->setRadius(ringRadius);
    auto* ringPickProxy = Kairn::Graphics::VyrTorusNode::createGraphicsNode();
    ringPickProxy->setRadius(ringRadius);
    ringPickProxy->setMinorRadius(ringTubeRadius);
    addGraphicsNode(Kairn::Graphics::VyrGraphicsNodeWithProxy::createGraphicsNodeWithProxy(ring, ringPickProxy));

    grabDisc = Kairn::Graphics::VyrCircleNode::createGraphicsNode();
    grabDisc->setRadius(ringRadius);
    grabDisc->participateInLighting(false);
    grabDisc->setFillable(true);
    grabDisc->setColor(transparent(inactiveColor));
    addGraphicsNode(grabDisc);

    setHoverCursor(translateCursor());
    setActiveCursor(translateCursor());
}

void RingAxisTranslateWidget::setColor(const Lumo::vec4<float>& color)
{
    AxisTranslateWidget::setColor(color);
    if (grabDisc)
        grabDisc->setColor(transparent(color));
}

} // namespace Velto::UiWidget
