#include "ui_widgets/platform/scene/TextMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <cmath>

namespace Kairn::Graphics {

QSizeF TextMetrics::measure(const std::wstring& text, const std::wstring& fontFamily, float pixelSize)
{
    if (text.empty() || !(pixelSize > 0.0f) || !std::isfinite(pixelSize))
        return {};
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return {0.6 * pixelSize * double(text.size()), 1.2 * pixelSize};
    QFont font(QString::fromStdWString(fontFamily));
    // QFont takes whole pixels; scale the metrics of a rounded size to the asked one.
    const int rounded = std::max(1, int(std::lround(pixelSize)));
    font.setPixelSize(rounded);
    const QFontMetricsF metrics(font);
    const double scale = double(pixelSize) / rounded;
    return {metrics.horizontalAdvance(QString::fromStdWString(text)) * scale, metrics.height() * scale};
}

} // namespace Kairn::Graphics
