#include "ui_widgets/platform/host/ZelUnitService.h"

#include "ui_widgets/platform/host/UnitType.h"

#include <cmath>
#include <optional>

namespace {

using namespace Zel::Common;

// Unit sizes in micrometres: every supported unit is an exact integer multiple of the micron
// (the inch is 25.4 mm by definition), so a ratio of two sizes is rounded once, and conversions
// within one measuring system (1 in = 2.54 cm, 1 m = 1000 mm) come out exact.
std::optional<double> micronsPerUnit(int unit)
{
    switch (unit) {
    case UNIT_MICRON: return 1.0;
    case UNIT_MILLIMETER: return 1e3;
    case UNIT_CENTIMETER: return 1e4;
    case UNIT_METER: return 1e6;
    case UNIT_KILOMETER: return 1e9;
    case UNIT_INCH: return 25400.0;
    case UNIT_FOOT: return 12 * 25400.0;
    case UNIT_YARD: return 36 * 25400.0;
    default: return std::nullopt;
    }
}

} // namespace

double ZelUnitService::convertUnits(double value, int fromUnit, int toUnit, int power)
{
    const std::optional<double> from = micronsPerUnit(fromUnit);
    const std::optional<double> to = micronsPerUnit(toUnit);
    if (!from || !to)
        return value;
    return value * std::pow(*from / *to, power);
}

bool ZelUnitService::isKnownUnit(int unit)
{
    return micronsPerUnit(unit).has_value();
}
