#pragma once

#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/Vector3.h"
#include "ui_widgets/platform/math/XLine.h"

#include <cmath>

namespace Kairn::Objects {

// A 4x4 transform in the same row-vector convention as ADevMatrix (m[row][column], translation
// in row 3): a point p maps to p . M and a * b means "a, then b". Converts implicitly to and
// from ADevMatrix. Default-constructed as the identity.
template<class T>
class Matrix4
{
public:
    T m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

    Matrix4() = default;
    Matrix4(const Lumo::Objects::ADevMatrix& a)
    {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                m[r][c] = T(a.at(r, c));
    }
    operator Lumo::Objects::ADevMatrix() const
    {
        Lumo::Objects::ADevMatrix a;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                a.set(r, c, float(m[r][c]));
        return a;
    }
    Lumo::Objects::ADevMatrix toADevMatrix() const { return *this; }

    static Matrix4 Identity() { return {}; }

    Matrix4& SetIdentity()
    {
        *this = Matrix4();
        return *this;
    }

    static Matrix4 Translation(const Vector3<T>& v)
    {
        Matrix4 result;
        result.overrideTranslation(v);
        return result;
    }

    // Rotation by `angle` radians about an axis through the origin, counter-clockwise when
    // looking from the tip of `axis` back toward the origin (right-hand rule). A zero or
    // non-finite axis, or a non-finite angle, gives the identity.
    static Matrix4 Rotation(const Vector3<T>& axis, T angle)
    {
        const Vector3<T> k = axis.normalized();
        if (k.isZero() || !std::isfinite(angle))
            return {};
        const double c = std::cos(double(angle)), s = std::sin(double(angle)), t = 1 - c;
        const double x = k.x, y = k.y, z = k.z;
        // Rodrigues' rotation, transposed for row vectors: row i is the image of basis vector i.
        Matrix4 result;
        result.m[0][0] = T(c + t * x * x);
        result.m[0][1] = T(t * x * y + s * z);
        result.m[0][2] = T(t * x * z - s * y);
        result.m[1][0] = T(t * x * y - s * z);
        result.m[1][1] = T(c + t * y * y);
        result.m[1][2] = T(t * y * z + s * x);
        result.m[2][0] = T(t * x * z + s * y);
        result.m[2][1] = T(t * y * z - s * x);
        result.m[2][2] = T(c + t * z * z);
        return result;
    }

    // Rotation by `angle` radians about the line: counter-clockwise when looking from the tip of
    // the line's direction back toward its point; every point of the line stays where it is.
    // A degenerate line (zero or non-finite direction or point) gives the identity.
    static Matrix4 Rotation(const Lumo::Objects::XLine<T>& line, T angle)
    {
        const Vector3<T> point = line.Point();
        if (!point.isFinite())
            return {};
        const Matrix4 rotation = Rotation(Vector3<T>(line.Direction()), angle);
        if (rotation.isIdentity())
            return rotation;
        return Translation(-point) * rotation * Translation(point);
    }

    // Per-axis scale by `factors` about `center`, which stays fixed.
    static Matrix4 Scale(const Vector3<T>& factors, const Vector3<T>& center = {})
    {
        Matrix4 scale;
        scale.m[0][0] = factors.x;
        scale.m[1][1] = factors.y;
        scale.m[2][2] = factors.z;
        return Translation(-center) * scale * Translation(center);
    }

    // Replaces the translation row and keeps the rest.
    Matrix4& overrideTranslation(const Vector3<T>& v)
    {
        m[3][0] = v.x;
        m[3][1] = v.y;
        m[3][2] = v.z;
        return *this;
    }
    Vector3<T> getTranslation() const { return {m[3][0], m[3][1], m[3][2]}; }

    // The per-axis scale: the lengths of the images of the three basis vectors (the first three
    // rows). Exact for any rotation-and-scale matrix; a mirrored axis reports a positive length.
    // The row lengths, summed in double precision: a float scale above about 1.8e19 would
    // overflow when squared.
    Vector3<T> extractScale() const
    {
        const auto rowLength = [this](int row) {
            const double x = m[row][0], y = m[row][1], z = m[row][2];
            return T(std::sqrt(x * x + y * y + z * z));
        };
        return {rowLength(0), rowLength(1), rowLength(2)};
    }

    Vector3<T> transformPoint(const Vector3<T>& p) const
    {
        return {p.x * m[0][0] + p.y * m[1][0] + p.z * m[2][0] + m[3][0],
                p.x * m[0][1] + p.y * m[1][1] + p.z * m[2][1] + m[3][1],
                p.x * m[0][2] + p.y * m[1][2] + p.z * m[2][2] + m[3][2]};
    }
    Vector3<T> transformVector(const Vector3<T>& v) const
    {
        return {v.x * m[0][0] + v.y * m[1][0] + v.z * m[2][0], v.x * m[0][1] + v.y * m[1][1] + v.z * m[2][1],
                v.x * m[0][2] + v.y * m[1][2] + v.z * m[2][2]};
    }

    bool isIdentity() const { return *this == Matrix4(); }

    // a * b: applying the product applies a first, then b.
    friend Matrix4 operator*(const Matrix4& a, const Matrix4& b)
    {
        Matrix4 result;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                T sum = 0;
                for (int k = 0; k < 4; ++k)
                    sum += a.m[r][k] * b.m[k][c];
                result.m[r][c] = sum;
            }
        return result;
    }
    Matrix4& operator*=(const Matrix4& b) { return *this = *this * b; }

    friend bool operator==(const Matrix4& a, const Matrix4& b)
    {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                if (a.m[r][c] != b.m[r][c])
                    return false;
        return true;
    }
    friend bool operator!=(const Matrix4& a, const Matrix4& b) { return !(a == b); }
};

} // namespace Kairn::Objects
