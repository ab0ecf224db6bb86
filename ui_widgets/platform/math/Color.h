#pragma once

#include "ui_widgets/platform/math/Vec.h"

namespace Kairn::Objects {

// An RGB colour, components in 0..1. Default: black.
class Color3
{
public:
    float r = 0, g = 0, b = 0;

    Color3() = default;
    Color3(float red, float green, float blue) : r(red), g(green), b(blue) {}
    Color3(const Lumo::vec3<float>& v) : r(v.x), g(v.y), b(v.z) {}
    operator Lumo::vec3<float>() const { return {r, g, b}; }

    friend bool operator==(const Color3& x, const Color3& y) { return x.r == y.r && x.g == y.g && x.b == y.b; }
    friend bool operator!=(const Color3& x, const Color3& y) { return !(x == y); }
};

// An RGBA colour, components in 0..1; converts to and from Lumo::vec4<float> as (r, g, b, a).
// Default: opaque black (0, 0, 0, 1), so that a colour nobody set is still visible.
class Color4
{
public:
    float r = 0, g = 0, b = 0, a = 1;

    Color4() = default;
    Color4(float red, float green, float blue, float alpha) : r(red), g(green), b(blue), a(alpha) {}
    Color4(const Color3& rgb, float alpha) : r(rgb.r), g(rgb.g), b(rgb.b), a(alpha) {}
    Color4(const Lumo::vec4<float>& v) : r(v.x), g(v.y), b(v.z), a(v.w) {}
    operator Lumo::vec4<float>() const { return {r, g, b, a}; }

    Color3 rgb() const { return {r, g, b}; }

    friend bool operator==(const Color4& x, const Color4& y) { return x.r == y.r && x.g == y.g && x.b == y.b && x.a == y.a; }
    friend bool operator!=(const Color4& x, const Color4& y) { return !(x == y); }
};

} // namespace Kairn::Objects
