#include "ui_widgets/platform/host/ResourceStrings.h"
#include "ui_widgets/platform/host/UnitType.h"
#include "ui_widgets/platform/host/ZelUnitService.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Zel::Common;

TEST(ZelUnitServiceTest, HandComputedLengthsAreasAndVolumes)
{
    const struct
    {
        double value;
        int from, to, power;
        double expected;
    } rows[] = {
        {1, UNIT_INCH, UNIT_CENTIMETER, 1, 2.54},
        {1, UNIT_FOOT, UNIT_INCH, 1, 12},
        {3, UNIT_FOOT, UNIT_YARD, 1, 1},
        {1, UNIT_YARD, UNIT_METER, 1, 36 * 0.0254},
        {8, UNIT_MILLIMETER, UNIT_MICRON, 1, 8000},
        {8, UNIT_MILLIMETER, UNIT_CENTIMETER, 1, 0.8},
        {1500, UNIT_METER, UNIT_KILOMETER, 1, 1.5},
        {254, UNIT_MILLIMETER, UNIT_INCH, 1, 10},
        {12.7, 19, 6, 1, 0.5}, // stored unit numbers work like their enumerators
        {1, UNIT_METER, UNIT_CENTIMETER, 2, 100 * 100},
        {1, UNIT_INCH, UNIT_CENTIMETER, 3, 2.54 * 2.54 * 2.54},
        {7, UNIT_METER, UNIT_MICRON, 0, 7},
        {1, UNIT_METER, UNIT_MILLIMETER, -1, 1e-3}, // per metre -> per mm
    };
    for (const auto& row : rows)
        EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(row.value, row.from, row.to, row.power), row.expected)
            << row.value << " from " << row.from << " to " << row.to << " ^" << row.power;
}

TEST(ZelUnitServiceTest, UnknownUnitsAndNonFiniteValues)
{
    EXPECT_FALSE(ZelUnitService::isKnownUnit(0));
    EXPECT_FALSE(ZelUnitService::isKnownUnit(42));
    EXPECT_EQ(ZelUnitService::convertUnits(3.5, UNIT_MILLIMETER, 42, 1), 3.5);
    EXPECT_EQ(ZelUnitService::convertUnits(3.5, -1, UNIT_METER, 1), 3.5);
    EXPECT_TRUE(std::isnan(ZelUnitService::convertUnits(std::nan(""), UNIT_METER, UNIT_INCH, 1)));
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ZelUnitService::convertUnits(inf, UNIT_METER, UNIT_INCH, 1), inf);
    // The micron text follows a number in a wide string stream: the micro sign must survive that.
    EXPECT_EQ(Velto::Resource::String::UNIT_MICRON_TEXT.toStdWString(), std::wstring(L"\u00B5m"));
}
