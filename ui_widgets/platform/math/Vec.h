#pragma once

#include <QMetaType>

#include <cmath>

namespace Lumo {

// Plain value vectors and a 4x4 array: the exchange types of the host's math layer. They carry
// no behaviour beyond component-wise arithmetic; the richer types live in Kairn::Objects.
template<class T>
struct vec2
{
    T x{}, y{};
};

// A point, direction or translation in world units (float3 is vec3<float>).
template<class T>
struct vec3
{
    T x{}, y{}, z{};
};

// An RGBA colour with components in 0..1, or a homogeneous point.
template<class T>
struct vec4
{
    T x{}, y{}, z{}, w{};
};

// Row-major, m[row][column]; no behaviour of its own (ADevMatrix and Matrix4 do the arithmetic).
template<class T>
struct mat4
{
    T m[4][4]{};
};

using float2 = vec2<float>;
using float3 = vec3<float>;
using float4 = vec4<float>;

template<class T> vec2<T> operator+(const vec2<T>& a, const vec2<T>& b) { return {a.x + b.x, a.y + b.y}; }
template<class T> vec2<T> operator-(const vec2<T>& a, const vec2<T>& b) { return {a.x - b.x, a.y - b.y}; }
template<class T> vec2<T> operator-(const vec2<T>& a) { return {-a.x, -a.y}; }
template<class T> vec2<T> operator*(const vec2<T>& a, T s) { return {a.x * s, a.y * s}; }
template<class T> vec2<T> operator*(T s, const vec2<T>& a) { return a * s; }
template<class T> vec2<T> operator/(const vec2<T>& a, T s) { return {a.x / s, a.y / s}; }
template<class T> bool operator==(const vec2<T>& a, const vec2<T>& b) { return a.x == b.x && a.y == b.y; }
template<class T> bool operator!=(const vec2<T>& a, const vec2<T>& b) { return !(a == b); }

template<class T> vec3<T> operator+(const vec3<T>& a, const vec3<T>& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
template<class T> vec3<T> operator-(const vec3<T>& a, const vec3<T>& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
template<class T> vec3<T> operator-(const vec3<T>& a) { return {-a.x, -a.y, -a.z}; }
template<class T> vec3<T> operator*(const vec3<T>& a, T s) { return {a.x * s, a.y * s, a.z * s}; }
template<class T> vec3<T> operator*(T s, const vec3<T>& a) { return a * s; }
template<class T> vec3<T> operator/(const vec3<T>& a, T s) { return {a.x / s, a.y / s, a.z / s}; }
template<class T> bool operator==(const vec3<T>& a, const vec3<T>& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
template<class T> bool operator!=(const vec3<T>& a, const vec3<T>& b) { return !(a == b); }

template<class T> vec4<T> operator+(const vec4<T>& a, const vec4<T>& b) { return {a.x + b.x, a.y + b.y, a.z + b.z, a.w + b.w}; }
template<class T> vec4<T> operator-(const vec4<T>& a, const vec4<T>& b) { return {a.x - b.x, a.y - b.y, a.z - b.z, a.w - b.w}; }
template<class T> vec4<T> operator-(const vec4<T>& a) { return {-a.x, -a.y, -a.z, -a.w}; }
template<class T> vec4<T> operator*(const vec4<T>& a, T s) { return {a.x * s, a.y * s, a.z * s, a.w * s}; }
template<class T> vec4<T> operator*(T s, const vec4<T>& a) { return a * s; }
template<class T> vec4<T> operator/(const vec4<T>& a, T s) { return {a.x / s, a.y / s, a.z / s, a.w / s}; }
template<class T> bool operator==(const vec4<T>& a, const vec4<T>& b) { return a.x == b.x && a.y == b.y && a.z == b.z && a.w == b.w; }
template<class T> bool operator!=(const vec4<T>& a, const vec4<T>& b) { return !(a == b); }

template<class T> T dot(const vec2<T>& a, const vec2<T>& b) { return a.x * b.x + a.y * b.y; }
template<class T> T dot(const vec3<T>& a, const vec3<T>& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
template<class T> T dot(const vec4<T>& a, const vec4<T>& b) { return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w; }

template<class T>
vec3<T> cross(const vec3<T>& a, const vec3<T>& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

template<class T> T length(const vec2<T>& a) { return std::sqrt(dot(a, a)); }
template<class T> T length(const vec3<T>& a) { return std::sqrt(dot(a, a)); }
template<class T> T length(const vec4<T>& a) { return std::sqrt(dot(a, a)); }

template<class T> bool isFinite(const vec2<T>& a) { return std::isfinite(a.x) && std::isfinite(a.y); }
template<class T> bool isFinite(const vec3<T>& a) { return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z); }
template<class T> bool isFinite(const vec4<T>& a)
{
    return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z) && std::isfinite(a.w);
}

namespace detail {
template<class V>
V normalizedOrZero(const V& a)
{
    if (!isFinite(a))
        return V{};
    const auto len = length(a);
    if (!(len > 0) || !std::isfinite(len))
        return V{};
    return a / len;
}
} // namespace detail

// A zero, non-finite or overflowing vector has no direction: the result is then the zero vector,
// so callers test for it instead of dividing by zero.
template<class T> vec2<T> normalized(const vec2<T>& a) { return detail::normalizedOrZero(a); }
template<class T> vec3<T> normalized(const vec3<T>& a) { return detail::normalizedOrZero(a); }
template<class T> vec4<T> normalized(const vec4<T>& a) { return detail::normalizedOrZero(a); }

} // namespace Lumo

Q_DECLARE_METATYPE(Lumo::float3)
