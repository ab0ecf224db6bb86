// Style colour text, as the style service and the widgets read it: any text gives a colour whose
// channels are finite and within 0..1 (transparent black for text that is not a colour).

#include "ui_widgets/framework/StyleColor.h"
#include "ui_widgets/platform/host/Conversion.h"
#include "ui_widgets/platform/host/Styles.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void expectChannels(float r, float g, float b, float a)
{
    for (const float channel : {r, g, b, a})
        if (!(channel >= 0.0f && channel <= 1.0f))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Lumo::vec4<float> widgetColor = Velto::UiWidget::styleColor(text.c_str());
    expectChannels(widgetColor.x, widgetColor.y, widgetColor.z, widgetColor.w);
    const QColor parsed = Velto::Resource::Styles::ColorFromString(QString::fromUtf8(text.data(), qsizetype(size)));
    const Kairn::Objects::Color4 color = Velto::Utilities::Conversion::ToColor4(parsed);
    expectChannels(color.r, color.g, color.b, color.a);
    return 0;
}
