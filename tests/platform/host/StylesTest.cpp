#include "ui_widgets/platform/host/Styles.h"

#include <gtest/gtest.h>

using Velto::Resource::Styles;

namespace {

// QColor keeps 16 bits per channel.
void expectRgba(const QColor& color, double red, double green, double blue, double alpha)
{
    constexpr double tolerance = 1.0 / 65535;
    ASSERT_TRUE(color.isValid());
    EXPECT_NEAR(color.redF(), red, tolerance);
    EXPECT_NEAR(color.greenF(), green, tolerance);
    EXPECT_NEAR(color.blueF(), blue, tolerance);
    EXPECT_NEAR(color.alphaF(), alpha, tolerance);
}

} // namespace

// The widgets' colour texts come in these spellings.
TEST(StylesTest, ColourTextSpellings)
{
    expectRgba(Styles::ColorFromString("rgba(112, 173, 193, 100%)"), 112. / 255, 173. / 255, 193. / 255, 1);
    expectRgba(Styles::ColorFromString("rgba(255,138,138,50%)"), 1, 138. / 255, 138. / 255, 0.5);
    expectRgba(Styles::ColorFromString("  RGBA( 10 ,20,30 , 40 % )  "), 10. / 255, 20. / 255, 30. / 255, 0.4);
    expectRgba(Styles::ColorFromString("rgba(0, 0, 0, 0.25)"), 0, 0, 0, 0.25);
    expectRgba(Styles::ColorFromString("rgba(12.75, 0, 0, 12.5%)"), 12.75 / 255, 0, 0, 0.125);
    expectRgba(Styles::ColorFromString("rgb(255, 0, 128)"), 1, 0, 128. / 255, 1);
    expectRgba(Styles::ColorFromString("#70adc1"), 0x70 / 255., 0xad / 255., 0xc1 / 255., 1);
    expectRgba(Styles::ColorFromString("red"), 1, 0, 0, 1);
    expectRgba(Styles::ColorFromString("rgba(0, 0, 0, 0%)"), 0, 0, 0, 0);
}

TEST(StylesTest, UnreadableOrOutOfRangeTextGivesAnInvalidColour)
{
    for (const char* text : {"", "   ", "garbage", "rgba(1,2)", "rgba(1, 2, 3)", "rgba(1, 2, 3, 4, 5%)",
                             "rgba(1, 2, 3, %)", "rgba(a, b, c, d%)", "rgba(1, 2, 3, 50%", "rgba 1, 2, 3, 50%",
                             "rgba(-1, 0, 0, 100%)", "rgba(300, 0, 0, 100%)", "rgba(0, 0, 256, 100%)",
                             "rgba(0, 0, 0, 150%)", "rgba(0, 0, 0, 1.5)", "rgb(1, 2, 3, 4)", "#12345", "#ggg"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(Styles::ColorFromString(QString::fromUtf8(text)).isValid());
    }
}
