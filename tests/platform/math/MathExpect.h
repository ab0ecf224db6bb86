#pragma once

#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/Vector3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace MathTest {

inline std::string describe(const Kairn::Objects::Vector3<float>& v)
{
    std::ostringstream text;
    text << "(" << v.x << ", " << v.y << ", " << v.z << ")";
    return text.str();
}

// Component-wise comparison with a message that shows both vectors.
inline ::testing::AssertionResult near(const Kairn::Objects::Vector3<float>& actual,
                                       const Kairn::Objects::Vector3<float>& expected, float tolerance = 1e-5f)
{
    if (std::abs(actual.x - expected.x) <= tolerance && std::abs(actual.y - expected.y) <= tolerance
        && std::abs(actual.z - expected.z) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << describe(actual) << " is not within " << tolerance << " of "
                                         << describe(expected);
}

inline ::testing::AssertionResult near(const Lumo::Objects::ADevMatrix& actual, const Lumo::Objects::ADevMatrix& expected,
                                       float tolerance = 1e-5f)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (!(std::abs(actual.at(r, c) - expected.at(r, c)) <= tolerance))
                return ::testing::AssertionFailure() << "element (" << r + 1 << ", " << c + 1 << ") is "
                                                     << actual.at(r, c) << ", expected " << expected.at(r, c);
    return ::testing::AssertionSuccess();
}

} // namespace MathTest
