#include "viewer/render/TextRasterizer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Viewer {

TextRasterizer::Result TextRasterizer::rasterize(const QString& text, const QString& family, float pixelHeight,
                                                 qreal scale)
{
    const qreal unitHeight = std::clamp<qreal>(pixelHeight, 1.0, 512.0);
    const qreal imageScale = std::clamp<qreal>(scale, 0.05, 16.0);
    QFont font(family.isEmpty() ? QStringLiteral("Sans Serif") : family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(unitHeight * imageScale))));
    const QFontMetricsF metrics(font);
    const qreal margin = Margin * metrics.height();
    const qreal width = metrics.horizontalAdvance(text) + 2 * margin;
    const qreal height = metrics.height() + 2 * margin;

    QImage image(std::max(1, static_cast<int>(std::ceil(width))), std::max(1, static_cast<int>(std::ceil(height))),
                 QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPointF(margin, margin + metrics.ascent()), text);
    painter.end();

    return {image.convertToFormat(QImage::Format_RGBA8888),
            QSizeF(image.width() / imageScale, image.height() / imageScale)};
}

} // namespace Viewer
