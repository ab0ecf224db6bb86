#include "ui_widgets/framework/StyleColor.h"

#include "ui_widgets/platform/host/Conversion.h"
#include "ui_widgets/platform/host/Styles.h"

namespace Velto::UiWidget {

Lumo::vec4<float> styleColor(const char* text)
{
    return Utilities::Conversion::ToColor4(Resource::Styles::ColorFromString(QString::fromLatin1(text)));
}

Lumo::vec4<float> widgetBlue()
{
    return Utilities::Conversion::ToColor4(Resource::Styles::Instance().Color3DWidgetBlue());
}

} // namespace Velto::UiWidget
