#include "ui_widgets/manipulators/DirectionHandleParts.h"

#include "ui_widgets/framework/Widget3DGroup.h"
#include "ui_widgets/manipulators/RingAxisTranslateWidget.h"
#include "ui_widgets/framework/StyleColor.h"

namespace Velto::UiWidget {

void addDirectionHandle(Widget3DGroup& composite, RingAxisTranslateWidget* handle)
{
    const Lumo::vec4<float> resting = styleColor("rgba(196, 196, 196, 100%)");
    handle->setInactiveColor(resting);
    handle->setColor(resting);
    handle->setHighlightColor(styleColor("rgba(96, 96, 96, 100%)"));
    QObject::connect(handle, SIGNAL(widgetSingleAxisTranslate(const Lumo::float3&)), &composite,
                     SIGNAL(widgetDirectionalAxisTranslate(const Lumo::float3&)));
    composite.addWidget(handle);
}

} // namespace Velto::UiWidget
