#include "ui_widgets/platform/host/Styles.h"

#include <QRegularExpression>

namespace Velto::Resource {

namespace {

constexpr double maxChannel = 255.0;
constexpr double maxAlphaPercent = 100.0;

QColor colorFromRgbFunction(const QRegularExpressionMatch& match, bool hasAlpha)
{
    const double red = match.captured(1).toDouble();
    const double green = match.captured(2).toDouble();
    const double blue = match.captured(3).toDouble();
    double alpha = 1.0;
    if (hasAlpha) {
        const bool percent = !match.captured(5).isEmpty();
        alpha = match.captured(4).toDouble() / (percent ? maxAlphaPercent : 1.0);
    }
    if (red > maxChannel || green > maxChannel || blue > maxChannel || alpha > 1.0)
        return {};
    return QColor::fromRgbF(float(red / maxChannel), float(green / maxChannel),
                            float(blue / maxChannel), float(alpha));
}

} // namespace

Styles& Styles::Instance()
{
    static Styles styles;
    return styles;
}

QColor Styles::Color3DWidgetBlue() const
{
    return ColorFromString(QStringLiteral("rgba(112, 173, 193, 100%)"));
}

QColor Styles::ColorFromString(const QString& text)
{
    // The number pattern has no sign, so negative components never match.
    static const QString number = QStringLiteral(R"(\s*([0-9]+(?:\.[0-9]*)?|\.[0-9]+)\s*)");
    static const QRegularExpression rgba(
        QStringLiteral(R"(^\s*rgba\s*\(%1,%1,%1,%1(%?)\s*\)\s*$)").arg(number),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression rgb(
        QStringLiteral(R"(^\s*rgb\s*\(%1,%1,%1\)\s*$)").arg(number),
        QRegularExpression::CaseInsensitiveOption);

    if (const QRegularExpressionMatch match = rgba.match(text); match.hasMatch())
        return colorFromRgbFunction(match, true);
    if (const QRegularExpressionMatch match = rgb.match(text); match.hasMatch())
        return colorFromRgbFunction(match, false);
    return QColor::fromString(text.trimmed());
}

} // namespace Velto::Resource
