#pragma once

#include "ui_widgets/platform/host/UnitType.h"

#include <string>

namespace Velto::UiWidget {

// A scene length (millimetres) as the library's labels write it: `prefix`, the value converted to
// `unit` by the unit service in fixed notation with one decimal (tiny lengths read 0.0, huge ones
// never take an exponent), a space and the unit's abbreviation: "X  12.5 mm".
std::wstring lengthText(const wchar_t* prefix, double millimetres, Zel::Common::UnitType unit);

} // namespace Velto::UiWidget
