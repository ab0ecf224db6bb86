#pragma once

#include <QImage>

#include <string>

namespace Viewer {

// Draws a line of text with QPainter into an image whose alpha is the glyph coverage (the colour
// channels are white). The image spans exactly the text's box as the scene layer measures it
// (TextMetrics), which is also the box that picking tests, so what is drawn is what is hit. The
// shader colours glyphs and background, so a colour change needs no new image.
class TextRasterizer
{
public:
    // `pixelSize` is the font size in the scene's pixels; `scale` is the number of image pixels
    // per such pixel (the device pixel ratio for screen text). Empty text gives a null image.
    static QImage rasterize(const std::wstring& text, const std::wstring& family, float pixelSize, qreal scale);
};

} // namespace Viewer
