#pragma once

// Converts lengths, areas and volumes between the units of Zel::Common::UnitType.
class ZelUnitService
{
public:
    // Converts `value` from unit number `fromUnit` to unit number `toUnit`. `power` is the power of
    // length that the value carries: 1 for a length, 2 for an area, 3 for a volume (0 leaves the
    // value as it is, -1 converts a "per length" quantity). When either unit number is not one of
    // Zel::Common::UnitType, the value is returned unchanged: a caller that shows it with a
    // fallback unit still shows the number it was given. Non-finite values stay non-finite.
    static double convertUnits(double value, int fromUnit, int toUnit, int power);

    // Whether `unit` is one of the numbers of Zel::Common::UnitType.
    static bool isKnownUnit(int unit);
};
