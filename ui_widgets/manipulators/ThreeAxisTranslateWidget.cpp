#include "ui_widgets/manipulators/ThreeAxisTranslateWidget.h"

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/framework/Widget3DEventHandler.h"
#include "ui_widgets/manipulators/AxisTranslateWidget.h"

namespace Velto::UiWidget {

namespace {

struct ArrowStyle
{
    Lumo::float3 direction;
    const char* inactiveColor;
    const char* highlightColor;
};

constexpr ArrowStyle arrowStyles[] = {
    {{1, 0, 0}, "rgba(112, 173, 193, 100%)", "rgba(141, 189, 205, 100%)"},
    {{0, 1, 0}, "rgba(255, 170, 89, 100%)", "rgba(255, 187, 122, 100%)"},
    {{0, 0, 1}, "rgba(158, 192, 152, 100%)", "rgba(177, 205, 173, 100%)"},
};

} // namespace

ThreeAxisTranslateWidget::ThreeAxisTranslateWidget(Widget3DEventHandler* handler, Kairn::Graphics::SceneItemType type)
    : Widget3DGroup(handler, type)
{
}

ThreeAxisTranslateWidget::~ThreeAxisTranslateWidget() = default;

ThreeAxisTranslateWidget* ThreeAxisTranslateWidget::createWidget3D(Widget3DEventHandler* handler,
                                                                   Kairn::Graphics::SceneItemType type)
{
    auto* widget = new ThreeAxisTranslateWidget(handler, type);
    widget->init();
    return widget;
}

void ThreeAxisTranslateWidget::init()
{
    for (const ArrowStyle& style : arrowStyles) {
        auto* arrow = new AxisTranslateWidget(eventHandler.data(), sceneItemType);
        arrow->init();
        arrow->setDirection(style.direction);
        arrow->setInactiveColor(styleColor(style.inactiveColor));
        arrow->setHighlightColor(styleColor(style.highlightColor));
        arrow->setColor(arrow->getInactiveColor());
        addWidget(arrow);
        connect(arrow, SIGNAL(widgetSingleAxisTranslate(const Lumo::float3&)), this,
                SIGNAL(widgetThreeAxisTranslate(const Lumo::float3&)));
    }
    setInactiveColor(styleColor("rgba(220, 220, 220, 60%)"));
    setHighlightColor(styleColor("rgba(180, 180, 180, 100%)"));
}

AxisTranslateWidget* ThreeAxisTranslateWidget::getAxisTranslateWidget(int index)
{
    int count = 0;
    for (const QSharedPointer<IWidget3D>& child : children) {
        auto* arrow = dynamic_cast<AxisTranslateWidget*>(child.data());
        if (arrow && count++ == index)
            return arrow;
    }
    return nullptr;
}

} // namespace Velto::UiWidget
