#pragma once

#include <QByteArray>
#include <QString>

namespace Viewer {

// Turns one argument of a captured signal into text for the log, by the parameter's type name as
// the signal declares it: numbers, vectors, rotation lines, matrices, mouse events, points and
// strings of the widget signals. An unknown type is shown by its name.
class SignalValueFormatter
{
public:
    static QString format(const QByteArray& typeName, const void* value);
};

} // namespace Viewer
