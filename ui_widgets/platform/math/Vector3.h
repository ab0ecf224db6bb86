#pragma once

#include "ui_widgets/platform/math/Vec.h"

#include <cmath>

namespace Kairn::Objects {

// A 3D vector with the operations the widgets call; converts implicitly to and from
// Lumo::vec3<T>. Directions are not normalised implicitly anywhere.
template<class T>
class Vector3
{
public:
    T x{}, y{}, z{};

    Vector3() = default;
    Vector3(T x_, T y_, T z_) : x(x_), y(y_), z(z_) {}
    Vector3(const Lumo::vec3<T>& v) : x(v.x), y(v.y), z(v.z) {}
    operator Lumo::vec3<T>() const { return {x, y, z}; }

    T length() const { return std::sqrt(dot(*this)); }
    T lengthSquared() const { return dot(*this); }
    T dot(const Vector3& o) const { return x * o.x + y * o.y + z * o.z; }
    Vector3 cross(const Vector3& o) const { return Lumo::cross(Lumo::vec3<T>(*this), Lumo::vec3<T>(o)); }
    bool isFinite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }
    bool isZero() const { return x == 0 && y == 0 && z == 0; }

    // negate() and normalize() change the vector in place and return it, so both
    // `v.negate();` and `Vector3(d).negate()` read naturally.
    Vector3& negate()
    {
        x = -x;
        y = -y;
        z = -z;
        return *this;
    }
    // A zero or non-finite vector becomes the zero vector.
    Vector3& normalize()
    {
        *this = normalized();
        return *this;
    }
    Vector3 normalized() const { return Lumo::normalized(Lumo::vec3<T>(*this)); }

    // A unit vector perpendicular to this one: the cross product with the coordinate axis
    // along which this vector is shortest, which is never close to parallel. A zero or
    // non-finite vector has no perpendicular: the result is the zero vector.
    Vector3 getPerpendicularVector() const
    {
        if (!isFinite() || isZero())
            return {};
        const T ax = std::abs(x), ay = std::abs(y), az = std::abs(z);
        Vector3 axis;
        if (ax <= ay && ax <= az)
            axis = {1, 0, 0};
        else if (ay <= az)
            axis = {0, 1, 0};
        else
            axis = {0, 0, 1};
        return cross(axis).normalized();
    }

    // The unsigned angle between the two vectors, atan2(|a x b|, a . b) in [0, pi], with the
    // sense carried by the axis: axisOut = normalise(a x b), so turning this vector by the angle
    // about axisOut (counter-clockwise seen from its tip) gives the direction of `other`.
    // When the vectors are parallel or opposite (|a x b| within a relative 1e-6 of zero), or
    // either is zero or non-finite, axisOut is exactly the zero vector; callers rely on that to
    // detect the opposite case. Degenerate input gives the angle 0.
    T getSignedAngleTo(const Vector3& other, Vector3& axisOut) const
    {
        axisOut = {};
        if (!isFinite() || !other.isFinite())
            return T(0);
        const double ax = x, ay = y, az = z, bx = other.x, by = other.y, bz = other.z;
        const double cx = ay * bz - az * by, cy = az * bx - ax * bz, cz = ax * by - ay * bx;
        const double crossLength = std::sqrt(cx * cx + cy * cy + cz * cz);
        const double dotProduct = ax * bx + ay * by + az * bz;
        const double lengths = std::sqrt(ax * ax + ay * ay + az * az) * std::sqrt(bx * bx + by * by + bz * bz);
        if (!(lengths > 0) || !std::isfinite(lengths))
            return T(0);
        if (crossLength > 1e-6 * lengths)
            axisOut = {T(cx / crossLength), T(cy / crossLength), T(cz / crossLength)};
        return T(std::atan2(crossLength, dotProduct));
    }

    Vector3<float> toFloat() const { return {float(x), float(y), float(z)}; }
    Vector3<double> toDouble() const { return {double(x), double(y), double(z)}; }

    friend Vector3 operator+(const Vector3& a, const Vector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend Vector3 operator-(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend Vector3 operator-(const Vector3& a) { return {-a.x, -a.y, -a.z}; }
    friend Vector3 operator*(const Vector3& a, T s) { return {a.x * s, a.y * s, a.z * s}; }
    friend Vector3 operator*(T s, const Vector3& a) { return {a.x * s, a.y * s, a.z * s}; }
    friend Vector3 operator/(const Vector3& a, T s) { return {a.x / s, a.y / s, a.z / s}; }
    Vector3& operator+=(const Vector3& b) { return *this = *this + b; }
    Vector3& operator-=(const Vector3& b) { return *this = *this - b; }
    Vector3& operator*=(T s) { return *this = *this * s; }
    friend bool operator==(const Vector3& a, const Vector3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
    friend bool operator!=(const Vector3& a, const Vector3& b) { return !(a == b); }
};

} // namespace Kairn::Objects
