#pragma once

namespace Zel::Common {

// Length units by the numbers the application stores in its documents. The numbering has gaps:
// the numbers are identifiers, not an order of size. The enumeration is unscoped so that a stored
// number and an enumerator can be passed alike where a unit number is expected.
enum UnitType : int {
    UNIT_METER = 1,
    UNIT_KILOMETER = 2,
    UNIT_YARD = 4,
    UNIT_FOOT = 5,
    UNIT_INCH = 6,
    UNIT_CENTIMETER = 7,
    UNIT_MILLIMETER = 19,
    UNIT_MICRON = 51,
};

} // namespace Zel::Common
