#pragma once

#include "ui_widgets/platform/math/Vec.h"

namespace Kairn::Objects {

// A 2D vector (a view position in pixels, or a direction on screen) with the operations the
// widgets call; converts implicitly to and from Lumo::vec2<T>.
template<class T>
class Vector2
{
public:
    T x{}, y{};

    Vector2() = default;
    Vector2(T x_, T y_) : x(x_), y(y_) {}
    Vector2(const Lumo::vec2<T>& v) : x(v.x), y(v.y) {}
    operator Lumo::vec2<T>() const { return {x, y}; }

    T length() const { return Lumo::length(Lumo::vec2<T>(*this)); }
    T dot(const Vector2& other) const { return x * other.x + y * other.y; }
    bool isFinite() const { return Lumo::isFinite(Lumo::vec2<T>(*this)); }

    // In place; a zero or non-finite vector becomes the zero vector.
    Vector2& normalize()
    {
        *this = Lumo::normalized(Lumo::vec2<T>(*this));
        return *this;
    }
    Vector2 normalized() const { return Lumo::normalized(Lumo::vec2<T>(*this)); }

    friend Vector2 operator+(const Vector2& a, const Vector2& b) { return {a.x + b.x, a.y + b.y}; }
    friend Vector2 operator-(const Vector2& a, const Vector2& b) { return {a.x - b.x, a.y - b.y}; }
    friend Vector2 operator-(const Vector2& a) { return {-a.x, -a.y}; }
    friend Vector2 operator*(const Vector2& a, T s) { return {a.x * s, a.y * s}; }
    friend Vector2 operator*(T s, const Vector2& a) { return {a.x * s, a.y * s}; }
    friend Vector2 operator/(const Vector2& a, T s) { return {a.x / s, a.y / s}; }
    Vector2& operator+=(const Vector2& b) { return *this = *this + b; }
    Vector2& operator-=(const Vector2& b) { return *this = *this - b; }
    friend bool operator==(const Vector2& a, const Vector2& b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(const Vector2& a, const Vector2& b) { return !(a == b); }
};

} // namespace Kairn::Objects
