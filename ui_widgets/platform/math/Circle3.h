#pragma once

#include "ui_widgets/platform/math/Vector3.h"

namespace Kairn::Objects {

// A circle in 3D: the points at distance radius() from center() in the plane through the centre
// perpendicular to normal(). The normal is kept as given; the queries normalise it.
template<class T>
class Circle3
{
public:
    Circle3() = default;
    Circle3(const Vector3<T>& center, const Vector3<T>& normal, T radius) : m_center(center), m_normal(normal), m_radius(radius) {}

    const Vector3<T>& center() const { return m_center; }
    const Vector3<T>& normal() const { return m_normal; }
    T radius() const { return m_radius; }

    // A circle with a zero or non-finite normal, or a negative or non-finite radius, has no plane
    // or size to project onto.
    bool isValid() const
    {
        return m_center.isFinite() && !m_normal.normalized().isZero() && std::isfinite(m_radius) && m_radius >= 0;
    }

    // The point of the circle nearest to `point`: `point` dropped onto the circle's plane, then
    // pushed out radially to the rim. Returns false, leaving `out` alone, when the circle is not
    // valid, the point is not finite, or the point lies on the circle's axis (every rim point is
    // then equally near).
    bool nearestPointTo(const Vector3<T>& point, Vector3<T>& out) const
    {
        if (!isValid() || !point.isFinite())
            return false;
        const Vector3<T> n = m_normal.normalized();
        Vector3<T> radial = point - m_center;
        radial -= n * radial.dot(n);
        const Vector3<T> direction = radial.normalized();
        if (direction.isZero())
            return false;
        out = m_center + direction * m_radius;
        return true;
    }

    friend bool operator==(const Circle3& a, const Circle3& b)
    {
        return a.m_center == b.m_center && a.m_normal == b.m_normal && a.m_radius == b.m_radius;
    }

private:
    Vector3<T> m_center{};
    Vector3<T> m_normal{T(0), T(0), T(1)};
    T m_radius = T(1);
};

} // namespace Kairn::Objects
