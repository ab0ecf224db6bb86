#include "ui_widgets/platform/host/ResourceStrings.h"
#include "ui_widgets/platform/host/UnitType.h"
#include "ui_widgets/platform/host/ZelUnitService.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Zel::Common;

namespace {

const UnitType allUnits[] = {UNIT_METER, UNIT_KILOMETER, UNIT_YARD,       UNIT_FOOT,
                             UNIT_INCH,  UNIT_CENTIMETER, UNIT_MILLIMETER, UNIT_MICRON};

} // namespace

TEST(ZelUnitServiceTest, HandComputedLengths)
{
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(1, UNIT_INCH, UNIT_CENTIMETER, 1), 2.54);
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(1, UNIT_FOOT, UNIT_INCH, 1), 12);
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(3, UNIT_FOOT, UNIT_YARD, 1), 1);
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(1, UNIT_YARD, UNIT_METER, 1), 0.9144);  // 36 x 2.54 cm
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(2.5, UNIT_METER, UNIT_MILLIMETER, 1), 2500);
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(8, UNIT_MILLIMETER, UNIT_MICRON, 1), 8000);
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(8, UNIT_MILLIMETER, UNIT_CENTIMETER, 1), 0.8);
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(1500, UNIT_METER, UNIT_KILOMETER, 1), 1.5);
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(254, UNIT_MILLIMETER, UNIT_INCH, 1), 10);
    // A stored unit number works like its enumerator.
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(12.7, 19, 6, 1), 0.5);
}

TEST(ZelUnitServiceTest, PowerConvertsAreasAndVolumes)
{
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(1, UNIT_METER, UNIT_CENTIMETER, 2), 1e4);     // 100^2
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(1, UNIT_INCH, UNIT_CENTIMETER, 3), 2.54 * 2.54 * 2.54);
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(7, UNIT_METER, UNIT_MICRON, 0), 7);
    EXPECT_DOUBLE_EQ(ZelUnitService::convertUnits(1, UNIT_METER, UNIT_MILLIMETER, -1), 1e-3);    // per metre -> per mm
}

TEST(ZelUnitServiceTest, RoundTripsBetweenEveryPairOfUnits)
{
    for (UnitType from : allUnits) {
        for (UnitType to : allUnits) {
            SCOPED_TRACE(testing::Message() << from << " -> " << to);
            for (double value : {0.0, 1.0, -3.75, 123456.789}) {
                const double there = ZelUnitService::convertUnits(value, from, to, 1);
                EXPECT_NEAR(ZelUnitService::convertUnits(there, to, from, 1), value, 1e-12 * std::abs(value));
            }
            // Going through metres gives the same as the direct conversion.
            const double viaMeter = ZelUnitService::convertUnits(
                ZelUnitService::convertUnits(1.0, from, UNIT_METER, 1), UNIT_METER, to, 1);
            const double direct = ZelUnitService::convertUnits(1.0, from, to, 1);
            EXPECT_NEAR(viaMeter, direct, 1e-12 * direct);
        }
    }
}

TEST(ZelUnitServiceTest, UnknownUnitsAndNonFiniteValues)
{
    EXPECT_FALSE(ZelUnitService::isKnownUnit(0));
    EXPECT_FALSE(ZelUnitService::isKnownUnit(42));
    for (UnitType unit : allUnits)
        EXPECT_TRUE(ZelUnitService::isKnownUnit(unit));

    EXPECT_EQ(ZelUnitService::convertUnits(3.5, UNIT_MILLIMETER, 42, 1), 3.5);
    EXPECT_EQ(ZelUnitService::convertUnits(3.5, -1, UNIT_METER, 1), 3.5);
    EXPECT_TRUE(std::isnan(ZelUnitService::convertUnits(std::nan(""), UNIT_METER, UNIT_INCH, 1)));
    EXPECT_EQ(ZelUnitService::convertUnits(std::numeric_limits<double>::infinity(), UNIT_METER, UNIT_INCH, 1),
              std::numeric_limits<double>::infinity());
}

// The micron text follows a number in a wide string stream: the micro sign must survive that.
TEST(ZelUnitServiceTest, MicronTextConvertsToAWideString)
{
    EXPECT_EQ(Velto::Resource::String::UNIT_MICRON_TEXT.toStdWString(), std::wstring(L"\u00B5m"));
}
