#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

namespace Viewer {

// Draws a line of text with QPainter into an image whose alpha is the glyph coverage (the colour
// channels are white), with a margin around the text for the background panel. The shader then
// colours glyphs and background, so a colour change needs no new image.
class TextRasterizer
{
public:
    struct Result
    {
        QImage coverage;
        // Size of the panel in the caller's units: pixelHeight is the height of one line of text
        // and the panel adds the margins to it.
        QSizeF panelSize;
    };

    // `pixelHeight` is the font's pixel size in the caller's units; `scale` is the number of image
    // pixels per unit (the device pixel ratio for screen text, more for world-sized text).
    static Result rasterize(const QString& text, const QString& family, float pixelHeight, qreal scale);

    // The margin around the text, as a fraction of the line height.
    static constexpr qreal Margin = 0.25;
};

} // namespace Viewer
