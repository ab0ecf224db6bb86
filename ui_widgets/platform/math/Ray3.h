#pragma once

#include "ui_widgets/platform/math/Circle3.h"
#include "ui_widgets/platform/math/Vector3.h"

#include <algorithm>

namespace Kairn::Objects {

// A half-line from origin() along direction(). The direction is kept as given: pointAt(t) is
// origin + t . direction, so the parameter is in units of the direction's length.
template<class T>
class Ray3
{
public:
    Ray3() = default;
    Ray3(const Vector3<T>& origin, const Vector3<T>& direction) : m_origin(origin), m_direction(direction) {}

    const Vector3<T>& origin() const { return m_origin; }
    const Vector3<T>& direction() const { return m_direction; }
    Vector3<T> pointAt(T t) const { return m_origin + m_direction * t; }

    bool isValid() const { return m_origin.isFinite() && !m_direction.normalized().isZero(); }

    // The point of the circle nearest to the ray, as a drag on a ring needs it: the ray is met
    // with the circle's plane, and the meeting point is pushed out radially to the rim.
    // - The ray crosses the plane in front of its origin: the crossing point is used.
    // - The ray runs away from the plane, or parallel to it: the point of the ray nearest to the
    //   circle's centre is dropped onto the plane and used instead.
    // - That point falls on the centre (a ray along the axis through the centre, or a ray in the
    //   plane through the centre): the rim point in the direction the ray travels within the
    //   plane, or, for a ray along the axis, the rim point along
    //   normal.getPerpendicularVector() (the same point for the same circle, every time).
    // The result lies on the rim and is never the centre unless the radius is 0. A circle that
    // is not valid, or a ray with a zero or non-finite direction, gives the circle's centre.
    Vector3<T> nearestProjectedPointTo(const Circle3<T>& circle) const
    {
        if (!circle.isValid() || !isValid())
            return circle.center();
        const Vector3<T> n = circle.normal().normalized();
        const Vector3<T> d = m_direction.normalized();
        const Vector3<T> toCenter = circle.center() - m_origin;
        const T approach = d.dot(n);

        T t = 0;
        if (std::abs(approach) > T(1e-6))
            t = toCenter.dot(n) / approach;
        else
            t = toCenter.dot(d);
        const Vector3<T> onRay = m_origin + d * std::max(t, T(0));

        Vector3<T> rimPoint;
        if (circle.nearestPointTo(onRay, rimPoint))
            return rimPoint;
        Vector3<T> inPlane = d - n * approach;
        inPlane.normalize();
        if (inPlane.isZero())
            inPlane = n.getPerpendicularVector();
        return circle.center() + inPlane * circle.radius();
    }

    friend bool operator==(const Ray3& a, const Ray3& b) { return a.m_origin == b.m_origin && a.m_direction == b.m_direction; }

private:
    Vector3<T> m_origin{};
    Vector3<T> m_direction{T(0), T(0), T(-1)};
};

} // namespace Kairn::Objects
