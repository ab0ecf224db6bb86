#include "viewer/app/SignalValueFormatter.h"

#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/math/XLine.h"

#include <QMouseEvent>
#include <QPoint>

#include <string>

namespace Viewer {

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 4);
}

QString vector(const Lumo::float3& v)
{
    return QStringLiteral("(%1, %2, %3)").arg(number(v.x), number(v.y), number(v.z));
}

QString matrix(const Lumo::Objects::ADevMatrix& m)
{
    if (m.IsIdentity())
        return QStringLiteral("identity");
    const Lumo::float3 xAxis{m.M11, m.M12, m.M13};
    const Lumo::float3 yAxis{m.M21, m.M22, m.M23};
    const Lumo::float3 zAxis{m.M31, m.M32, m.M33};
    return QStringLiteral("x %1 y %2 z %3 translation %4")
        .arg(vector(xAxis), vector(yAxis), vector(zAxis), vector({m.M41, m.M42, m.M43}));
}

} // namespace

QString SignalValueFormatter::format(const QByteArray& typeName, const void* value)
{
    if (!value)
        return QStringLiteral("?");
    if (typeName == "float")
        return number(*static_cast<const float*>(value));
    if (typeName == "double")
        return number(*static_cast<const double*>(value));
    if (typeName == "int")
        return QString::number(*static_cast<const int*>(value));
    if (typeName == "bool")
        return *static_cast<const bool*>(value) ? QStringLiteral("true") : QStringLiteral("false");
    if (typeName == "QString")
        return QLatin1Char('"') + *static_cast<const QString*>(value) + QLatin1Char('"');
    if (typeName == "std::wstring")
        return QLatin1Char('"') + QString::fromStdWString(*static_cast<const std::wstring*>(value))
               + QLatin1Char('"');
    if (typeName == "QPoint") {
        const auto& p = *static_cast<const QPoint*>(value);
        return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
    }
    if (typeName == "Lumo::float3" || typeName == "Lumo::vec3<float>")
        return vector(*static_cast<const Lumo::float3*>(value));
    if (typeName == "Lumo::Objects::XLine<float>") {
        const auto& line = *static_cast<const Lumo::Objects::XLine<float>*>(value);
        return QStringLiteral("line through %1 along %2").arg(vector(line.Point()), vector(line.Direction()));
    }
    if (typeName == "Lumo::Objects::ADevMatrix")
        return matrix(*static_cast<const Lumo::Objects::ADevMatrix*>(value));
    if (typeName == "QMouseEvent") {
        const auto& event = *static_cast<const QMouseEvent*>(value);
        return QStringLiteral("mouse at (%1, %2)").arg(number(event.position().x()), number(event.position().y()));
    }
    return QStringLiteral("<%1>").arg(QString::fromLatin1(typeName));
}

} // namespace Viewer
