#include "viewer/render/TextRasterizer.h"

#include "ui_widgets/platform/scene/TextMetrics.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Viewer {

QImage TextRasterizer::rasterize(const std::wstring& text, const std::wstring& family, float pixelSize, qreal scale)
{
    const QSizeF box = Kairn::Graphics::TextMetrics::measure(text, family, pixelSize);
    const qreal imageScale = std::clamp<qreal>(scale, 0.1, 16.0);
    if (box.isEmpty())
        return {};
    const QSize imageSize(std::max(1, static_cast<int>(std::ceil(box.width() * imageScale))),
                          std::max(1, static_cast<int>(std::ceil(box.height() * imageScale))));
    QImage image(imageSize, QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::transparent);

    QFont font(QString::fromStdWString(family));
    const qreal scaledSize = pixelSize * imageScale;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(scaledSize))));
    const QFontMetricsF metrics(font);
    // QFont takes whole pixels: stretch the rounded size's drawing onto the measured box.
    const qreal stretch = scaledSize / font.pixelSize();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(stretch, stretch);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPointF(0, metrics.ascent()), QString::fromStdWString(text));
    painter.end();
    return image.convertToFormat(QImage::Format_RGBA8888);
}

} // namespace Viewer
