#pragma once

#include <QSizeF>

#include <string>

namespace Kairn::Graphics {

// The size of a line of text in pixels, for picking text nodes and laying out their quads. With a
// QGuiApplication the font's real metrics are used (QFontMetricsF, pixel size = font size);
// without one (a console tool, a test without GUI) every character advances 0.6 x size and the
// line is 1.2 x size high.
class TextMetrics
{
public:
    static QSizeF measure(const std::wstring& text, const std::wstring& fontFamily, float pixelSize);
};

} // namespace Kairn::Graphics
