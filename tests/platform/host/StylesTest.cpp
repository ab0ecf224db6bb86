#include "ui_widgets/platform/host/Styles.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

using Velto::Resource::Styles;

namespace {

// QColor keeps 16 bits per channel.
constexpr double channelTolerance = 1.0 / 65535;

void expectRgba(const QColor& color, double red, double green, double blue, double alpha)
{
    ASSERT_TRUE(color.isValid());
    EXPECT_NEAR(color.redF(), red, channelTolerance);
    EXPECT_NEAR(color.greenF(), green, channelTolerance);
    EXPECT_NEAR(color.blueF(), blue, channelTolerance);
    EXPECT_NEAR(color.alphaF(), alpha, channelTolerance);
}

} // namespace

// Every colour text the widgets use, as they write it. The expected channels are read back out of
// the text: r/255, g/255, b/255 and a/100.
TEST(StylesTest, WidgetColourTextsGiveTheirChannels)
{
    const QStringList texts = {
        "rgba(112, 173, 193, 100%)", "rgba(126, 126, 126, 100%)", "rgba(128, 128, 128, 100%)",
        "rgba(128, 128, 128, 50%)",  "rgba(141, 189, 205, 100%)", "rgba(158, 192, 152, 100%)",
        "rgba(177, 205, 173, 100%)", "rgba(180, 180, 180, 100%)", "rgba(196, 196, 196, 100%)",
        "rgba(220, 220, 220, 100%)", "rgba(220, 220, 220, 50%)",  "rgba(220, 220, 220, 60%)",
        "rgba(240, 240, 240, 50%)",  "rgba(255, 138, 138, 100%)", "rgba(255, 161, 161, 100%)",
        "rgba(255, 170, 89, 100%)",  "rgba(255, 187, 122, 100%)", "rgba(96, 96, 96, 100%)",
        // Axis colours are assembled from parts without spaces.
        "rgba(255,138,138,100%)",    "rgba(177,205,173,100%)",    "rgba(141,189,205,100%)",
    };
    const QRegularExpression numbers(R"(\d+)");
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        QList<double> n;
        for (const QRegularExpressionMatch& m : numbers.globalMatch(text))
            n.append(m.captured().toDouble());
        ASSERT_EQ(n.size(), 4);
        expectRgba(Styles::ColorFromString(text), n[0] / 255, n[1] / 255, n[2] / 255, n[3] / 100);
    }
}

TEST(StylesTest, OtherSpellings)
{
    expectRgba(Styles::ColorFromString("  RGBA( 10 ,20,30 , 40 % )  "), 10. / 255, 20. / 255, 30. / 255, 0.4);
    expectRgba(Styles::ColorFromString("rgba(0, 0, 0, 0.25)"), 0, 0, 0, 0.25);
    expectRgba(Styles::ColorFromString("rgba(12.75, 0, 0, 12.5%)"), 12.75 / 255, 0, 0, 0.125);
    expectRgba(Styles::ColorFromString("rgb(255, 0, 128)"), 1, 0, 128. / 255, 1);
    expectRgba(Styles::ColorFromString("#70adc1"), 0x70 / 255., 0xad / 255., 0xc1 / 255., 1);
    expectRgba(Styles::ColorFromString("red"), 1, 0, 0, 1);
    expectRgba(Styles::ColorFromString("rgba(0, 0, 0, 0%)"), 0, 0, 0, 0);
    expectRgba(Styles::ColorFromString("rgba(255, 255, 255, 100%)"), 1, 1, 1, 1);
}

TEST(StylesTest, UnreadableOrOutOfRangeTextGivesAnInvalidColour)
{
    for (const char* text : {"", "   ", "garbage", "rgba(1,2)", "rgba(1, 2, 3)", "rgba(1, 2, 3, 4, 5%)",
                             "rgba(1, 2, 3, %)", "rgba(a, b, c, d%)", "rgba(1, 2, 3, 50%", "rgba 1, 2, 3, 50%",
                             "rgba(-1, 0, 0, 100%)", "rgba(300, 0, 0, 100%)", "rgba(0, 0, 256, 100%)",
                             "rgba(0, 0, 0, 150%)", "rgba(0, 0, 0, 1.5)", "rgba(300, 0, 0, 150%)",
                             "rgb(1, 2, 3, 4)", "#12345", "#ggg", "notacolour"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(Styles::ColorFromString(QString::fromUtf8(text)).isValid());
    }
}

TEST(StylesTest, WidgetBlueIsTheSingletonsColour)
{
    EXPECT_EQ(&Styles::Instance(), &Styles::Instance());
    expectRgba(Styles::Instance().Color3DWidgetBlue(), 112. / 255, 173. / 255, 193. / 255, 1);
}
