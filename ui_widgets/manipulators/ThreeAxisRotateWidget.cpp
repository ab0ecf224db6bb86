#include "ui_widgets/manipulators/ThreeAxisRotateWidget.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisRotateWidget.h"

#include <algorithm>

namespace Velto::UiWidget {

using Lumo::float3;


ThreeAxisRotateWidget::ThreeAxisRotateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : Widget3DGroup(handler, type)
{
}

ThreeAxisRotateWidget::~ThreeAxisRotateWidget() = default;

ThreeAxisRotateWidget* ThreeAxisRotateWidget::createWidget3D(Widget3DEventHandler* handler,
                                                             Kairn::Graphics::SceneItemType type)
{
    auto* widget = new ThreeAxisRotateWidget(handler, type);
    widget->init();
    return widget;
}

void ThreeAxisRotateWidget::init()
{
    const Lumo::vec4<float> inactive[3] = {styleColor("rgba(112, 173, 193, 100%)"),
                                           styleColor("rgba(255, 170, 89, 100%)"),
                                           styleColor("rgba(158, 192, 152, 100%)")};
    const Lumo::vec4<float> highlight[3] = {styleColor("rgba(141, 189, 205, 100%)"),
                                            styleColor("rgba(255, 187, 122, 100%)"),
                                            styleColor("rgba(177, 205, 173, 100%)")};
    // The Y ring turns about -Y; each ring's ratchet points along the next ring's axis.
    const float3 axes[3] = {{1, 0, 0}, {0, -1, 0}, {0, 0, 1}};

    for (int i = 0; i < 3; ++i) {
        auto* ring = new AxisRotateWidget(eventHandler, sceneItemType);
        ring->init();
        ring->setDirection(axes[i]);
        ring->setRatchetDirection(axes[(i + 1) % 3]);
        ring->setInactiveColor(inactive[i]);
        ring->setHighlightColor(highlight[i]);
        ring->setColor(ring->getInactiveColor());
        addWidget(ring);
        connect(ring, SIGNAL(widgetSingleAxisRotate(float,const Lumo::Objects::XLine<float>&)), this,
                SIGNAL(widgetThreeAxisRotate(float, const Lumo::Objects::XLine<float>&)));
    }
    IWidget3D::setColor(inactive[0]);
}

std::vector<AxisRotateWidget*> ThreeAxisRotateWidget::rings() const
{
    std::vector<AxisRotateWidget*> found;
    for (const QSharedPointer<IWidget3D>& child : children) {
        if (auto* ring = dynamic_cast<AxisRotateWidget*>(child.data()))
            found.push_back(ring);
    }
    return found;
}

AxisRotateWidget* ThreeAxisRotateWidget::getAxisRotateWidget(int index)
{
    const std::vector<AxisRotateWidget*> found = rings();
    return index >= 0 && index < int(found.size()) ? found[std::size_t(index)] : nullptr;
}

void ThreeAxisRotateWidget::setDeformable(bool isDeformable)
{
    Widget3DGroup::setDeformable(isDeformable);
    for (AxisRotateWidget* ring : rings())
        ring->setRatchetSnapback(!isDeformable);
}

void ThreeAxisRotateWidget::setUseRatchet(bool use)
{
    for (AxisRotateWidget* ring : rings())
        ring->setUseRatchet(use);
}

void ThreeAxisRotateWidget::setDisplayAngle(bool display)
{
    for (AxisRotateWidget* ring : rings())
        ring->setDisplayAngle(display);
}

void ThreeAxisRotateWidget::setReferenceAngles(double x, double y, double z)
{
    const double angles[3] = {x, y, z};
    const std::vector<AxisRotateWidget*> found = rings();
    for (std::size_t i = 0; i < std::min<std::size_t>(3, found.size()); ++i)
        found[i]->setReferenceAngle(angles[i]);
}

void ThreeAxisRotateWidget::unsetReferenceAngles()
{
    const std::vector<AxisRotateWidget*> found = rings();
    for (std::size_t i = 0; i < std::min<std::size_t>(3, found.size()); ++i)
        found[i]->unsetReferenceAngle();
}

} // namespace Velto::UiWidget
