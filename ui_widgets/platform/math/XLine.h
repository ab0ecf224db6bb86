#pragma once

#include "ui_widgets/platform/math/Linear.h"

#include <QMetaType>

namespace Lumo::Objects {

// The line type that rotation signals carry (point: the widget position, direction: the
// rotation axis). A class of its own rather than an alias, so that it has a stable name in
// Qt's meta-type system.
template<class T>
class XLine : public Linear<T>
{
public:
    XLine() = default;
    XLine(const Lumo::vec3<T>& point, const Lumo::vec3<T>& direction) : Linear<T>(point, direction) {}
    explicit XLine(const Linear<T>& line) : Linear<T>(line) {}
};

} // namespace Lumo::Objects

Q_DECLARE_METATYPE(Lumo::Objects::XLine<float>)
