#include "ui_widgets/manipulators/TiltRingParts.h"

#include "ui_widgets/framework/Widget3DGroup.h"
#include "ui_widgets/manipulators/PlaneRotateWidget.h"
#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/platform/scene/VyrCircleNode.h"

namespace Velto::UiWidget {

void applyTiltRingColors(PlaneRotateWidget& ring)
{
    ring.setInactiveColor(styleColor("rgba(112, 173, 193, 100%)"));
    ring.setHighlightColor(styleColor("rgba(141, 189, 205, 100%)"));
    ring.setIndicatorColor(styleColor("rgba(255, 187, 122, 100%)"));
}

void addFillableTiltRing(Widget3DGroup& composite, PlaneRotateWidget* ring)
{
    applyTiltRingColors(*ring);
    ring->setColor(ring->getInactiveColor());
    QObject::connect(ring, SIGNAL(widgetPlaneRotate(float, const Lumo::Objects::XLine<float>&)), &composite,
                     SIGNAL(widgetAxisRotate(float, const Lumo::Objects::XLine<float>&)));
    composite.addWidget(ring);

    auto* fillDisc = Kairn::Graphics::VyrCircleNode::createGraphicsNode();
    fillDisc->setFillable(true);
    fillDisc->setPickable(false);
    fillDisc->setColor(styleColor("rgba(220, 220, 220, 50%)"));
    fillDisc->participateInLighting(false);
    fillDisc->setVisible(false);
    composite.addGraphicsNode(fillDisc);

    composite.setInactiveColor(styleColor("rgba(240, 240, 240, 50%)"));
    composite.setHighlightColor(styleColor("rgba(220, 220, 220, 50%)"));
}

} // namespace Velto::UiWidget
