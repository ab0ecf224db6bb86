#pragma once

#include <QString>

// User-visible texts of the application that more than one component shows.
namespace Velto::Resource::String {

// Abbreviations written after a length, as in "2.5 cm".
extern const QString UNIT_METER_SHORT_TEXT;
extern const QString UNIT_INCH_SHORT_TEXT;
extern const QString UNIT_CENTIMETER_SHORT_TEXT;
extern const QString UNIT_MILLIMETER_SHORT_TEXT;
extern const QString UNIT_MICRON_TEXT;

} // namespace Velto::Resource::String
