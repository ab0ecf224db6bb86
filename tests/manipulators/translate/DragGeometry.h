#pragma once

// Geometry the translate tests derive their expectations from, apart from the widgets' own code.

#include "tests/platform/math/MathExpect.h"
#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/scene/Camera.h"

#include <QPointF>
#include <QString>

#include <gtest/gtest.h>

namespace TranslateTest {

// The point of the line p + s.d nearest to the line o + t.r (d and r unit): setting both partial
// derivatives of |p + s.d - o - t.r|^2 to zero gives, with w = p - o and b = d.r,
//   s = (b (r.w) - d.w) / (1 - b^2).
inline Lumo::float3 closestPointOnLine(const Lumo::float3& p, const Lumo::float3& d, const Lumo::float3& o,
                                       const Lumo::float3& r)
{
    const Lumo::vec3<double> pd{p.x, p.y, p.z}, dd{d.x, d.y, d.z}, od{o.x, o.y, o.z}, rd{r.x, r.y, r.z};
    const Lumo::vec3<double> w = pd - od;
    const double b = Lumo::dot(dd, rd);
    const double s = (b * Lumo::dot(rd, w) - Lumo::dot(dd, w)) / (1 - b * b);
    return {float(p.x + s * d.x), float(p.y + s * d.y), float(p.z + s * d.z)};
}

// Where the axis through `point` along `direction` passes closest to the mouse ray at `screen`.
inline Lumo::float3 axisPointUnderMouse(const Kairn::Graphics::Camera& camera, const QPointF& screen,
                                        const Lumo::float3& point, const Lumo::float3& direction)
{
    const auto ray = camera.getPickRay({float(screen.x()), float(screen.y())});
    return closestPointOnLine(point, direction, ray.origin(), ray.direction());
}

using MathTest::near;

} // namespace TranslateTest

// Lets gtest print the signal logs that tests compare.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
