#pragma once

#include "ui_widgets/platform/math/Color.h"

#include <QColor>

namespace Velto::Utilities::Conversion {

// The colour's red, green, blue and alpha as floats in 0..1. An invalid QColor (what
// Styles::ColorFromString gives for an unreadable text) becomes transparent black (0, 0, 0, 0),
// so that it draws nothing rather than opaque black.
Kairn::Objects::Color4 ToColor4(const QColor& color);

} // namespace Velto::Utilities::Conversion
