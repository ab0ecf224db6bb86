#include "ui_widgets/framework/LengthText.h"

#include "ui_widgets/platform/host/ResourceStrings.h"
#include "ui_widgets/platform/host/ZelUnitService.h"

#include <QString>

#include <sstream>

namespace Velto::UiWidget {

namespace {

QString unitAbbreviation(int unit)
{
    namespace Text = Velto::Resource::String;
    switch (unit) {
    case Zel::Common::UNIT_METER: return Text::UNIT_METER_SHORT_TEXT;
    case Zel::Common::UNIT_INCH: return Text::UNIT_INCH_SHORT_TEXT;
    case Zel::Common::UNIT_CENTIMETER: return Text::UNIT_CENTIMETER_SHORT_TEXT;
    case Zel::Common::UNIT_MICRON: return Text::UNIT_MICRON_TEXT;
    default: return Text::UNIT_MILLIMETER_SHORT_TEXT;
    }
}

} // namespace

std::wstring lengthText(const wchar_t* prefix, double millimetres, Zel::Common::UnitType unit)
{
    const double converted = ZelUnitService::convertUnits(millimetres, Zel::Common::UNIT_MILLIMETER, unit, 1);
    std::wostringstream text;
    text.setf(std::ios::fixed, std::ios::floatfield);
    text.precision(1);
    text << prefix << converted << L" " << unitAbbreviation(unit).toStdWString();
    return text.str();
}

} // namespace Velto::UiWidget
