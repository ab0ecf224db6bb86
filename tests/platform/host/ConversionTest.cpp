#include "ui_widgets/platform/host/Conversion.h"
#include "ui_widgets/platform/host/Styles.h"

#include <gtest/gtest.h>

using Velto::Resource::Styles;
using Velto::Utilities::Conversion::ToColor4;

// The whole road of a colour text to the vector a node is coloured with.
TEST(ConversionTest, ColourTextBecomesRgbaVector)
{
    const Lumo::vec4<float> v = ToColor4(Styles::ColorFromString("rgba(255, 170, 89, 50%)"));
    EXPECT_NEAR(v.x, 1.0f, 1e-5f);
    EXPECT_NEAR(v.y, 170.0f / 255, 1e-5f);
    EXPECT_NEAR(v.z, 89.0f / 255, 1e-5f);
    EXPECT_NEAR(v.w, 0.5f, 1e-5f);
}

// Colours given in another colour model are converted, not read as raw components.
TEST(ConversionTest, HsvColourIsConvertedToRgb)
{
    const Kairn::Objects::Color4 c = ToColor4(QColor::fromHsvF(1.0f / 3, 1.0f, 1.0f, 0.25f));  // pure green
    EXPECT_NEAR(c.r, 0.0f, 1e-5f);
    EXPECT_NEAR(c.g, 1.0f, 1e-5f);
    EXPECT_NEAR(c.b, 0.0f, 1e-5f);
    EXPECT_NEAR(c.a, 0.25f, 1e-5f);
}

TEST(ConversionTest, InvalidColourIsTransparentBlack)
{
    EXPECT_EQ(ToColor4(QColor()), Kairn::Objects::Color4(0, 0, 0, 0));
    EXPECT_EQ(ToColor4(Styles::ColorFromString("rgba(1,2)")), Kairn::Objects::Color4(0, 0, 0, 0));
}
