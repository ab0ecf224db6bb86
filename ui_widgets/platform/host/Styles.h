#pragma once

#include <QColor>
#include <QString>

namespace Velto::Resource {

// The application's style colours, and the parser for the colour texts that style sheets and
// widgets write.
class Styles
{
public:
    static Styles& Instance();

    Styles(const Styles&) = delete;
    Styles& operator=(const Styles&) = delete;

    // The resting colour of 3D widgets: rgba(112, 173, 193, 100%).
    QColor Color3DWidgetBlue() const;

    // Reads a colour text. Accepted forms, case-insensitive, spaces allowed around every token:
    //   "rgba(r, g, b, a%)"  r, g, b in 0..255, alpha a in percent, 0..100
    //   "rgba(r, g, b, a)"   the same with alpha as a fraction 0..1
    //   "rgb(r, g, b)"       opaque
    //   anything QColor::fromString reads: "#rrggbb", "#aarrggbb", "#rgb", SVG colour names
    // Components may have decimals ("rgba(12.5, 0, 0, 50%)"). A component outside its range
    // ("rgba(300, 0, 0, 150%)") is rejected rather than clamped, so that a typing error in a style
    // text shows up instead of silently becoming another colour. Anything unreadable gives an
    // invalid QColor (isValid() false).
    static QColor ColorFromString(const QString& text);

private:
    Styles() = default;
};

} // namespace Velto::Resource
