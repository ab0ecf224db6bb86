#include "ui_widgets/platform/host/Conversion.h"

namespace Velto::Utilities::Conversion {

Kairn::Objects::Color4 ToColor4(const QColor& color)
{
    if (!color.isValid())
        return {0.0f, 0.0f, 0.0f, 0.0f};
    const QColor rgb = color.toRgb();
    return {rgb.redF(), rgb.greenF(), rgb.blueF(), rgb.alphaF()};
}

} // namespace Velto::Utilities::Conversion
