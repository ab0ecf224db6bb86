#pragma once

#include "ui_widgets/platform/math/Vec.h"

#include <gtest/gtest.h>

#include <cmath>

namespace UiwTest {

// A style colour "rgba(r, g, b, alpha)" as the floats a node holds.
inline Lumo::vec4<float> rgb255(float r, float g, float b, float alpha = 1.0f)
{
    return {r / 255.0f, g / 255.0f, b / 255.0f, alpha};
}

// Style colours pass through QColor's 16 bits a channel: within 1 / 65535 of the written value.
inline ::testing::AssertionResult sameColor(const Lumo::vec4<float>& actual, const Lumo::vec4<float>& expected)
{
    const float tolerance = 1.0f / 65535;
    if (std::abs(actual.x - expected.x) <= tolerance && std::abs(actual.y - expected.y) <= tolerance
        && std::abs(actual.z - expected.z) <= tolerance && std::abs(actual.w - expected.w) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ", " << actual.z << ", " << actual.w
                                         << ") is not (" << expected.x << ", " << expected.y << ", " << expected.z
                                         << ", " << expected.w << ")";
}

} // namespace UiwTest
