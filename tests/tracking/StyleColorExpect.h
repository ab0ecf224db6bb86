#pragma once

#include "ui_widgets/platform/math/Vec.h"

#include <gtest/gtest.h>

#include <cmath>

namespace TrackingTest {

// A style colour written "rgba(r, g, b, 100%)": r / 255, g / 255, b / 255, alpha 1.
inline Lumo::vec4<float> opaqueRgb(int r, int g, int b)
{
    return {r / 255.0f, g / 255.0f, b / 255.0f, 1.0f};
}

inline ::testing::AssertionResult sameColor(const Lumo::vec4<float>& actual, const Lumo::vec4<float>& expected)
{
    const float tolerance = 1e-6f;
    if (std::abs(actual.x - expected.x) < tolerance && std::abs(actual.y - expected.y) < tolerance
        && std::abs(actual.z - expected.z) < tolerance && std::abs(actual.w - expected.w) < tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ", " << actual.z << ", "
                                         << actual.w << ") is not (" << expected.x << ", " << expected.y << ", "
                                         << expected.z << ", " << expected.w << ")";
}

} // namespace TrackingTest
