#include "ui_widgets/platform/host/ResourceStrings.h"

namespace Velto::Resource::String {

const QString UNIT_METER_SHORT_TEXT = QStringLiteral("m");
const QString UNIT_INCH_SHORT_TEXT = QStringLiteral("in");
const QString UNIT_CENTIMETER_SHORT_TEXT = QStringLiteral("cm");
const QString UNIT_MILLIMETER_SHORT_TEXT = QStringLiteral("mm");
// The micro sign (U+00B5) rather than the Greek mu: it is in Latin-1, so every UI font has it.
const QString UNIT_MICRON_TEXT = QStringLiteral(u"\u00B5m");

} // namespace Velto::Resource::String

