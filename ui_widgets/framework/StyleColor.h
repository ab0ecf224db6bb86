#pragma once

#include "ui_widgets/platform/math/Vec.h"

namespace Velto::UiWidget {

// A colour written as style text, e.g. "rgba(220, 220, 220, 60%)", as the RGBA floats that the
// nodes take; an unreadable text gives transparent black.
Lumo::vec4<float> styleColor(const char* text);

// The style's widget blue, the resting colour of the custom nodes and of widgets without colours.
Lumo::vec4<float> widgetBlue();

} // namespace Velto::UiWidget
