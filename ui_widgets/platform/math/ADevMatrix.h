#pragma once

#include "ui_widgets/platform/math/Vec.h"

#include <QMetaType>

namespace Lumo::Objects {

// A 4x4 float transform in the row-vector convention: a point p maps to p . M, so the
// translation is the fourth row (M41, M42, M43) and Multiply(a, b) is "a, then b".
// A default-constructed matrix is the identity, which the widgets read as "no step".
class ADevMatrix
{
public:
    float M11 = 1, M12 = 0, M13 = 0, M14 = 0;
    float M21 = 0, M22 = 1, M23 = 0, M24 = 0;
    float M31 = 0, M32 = 0, M33 = 1, M34 = 0;
    float M41 = 0, M42 = 0, M43 = 0, M44 = 1;

    ADevMatrix() = default;
    explicit ADevMatrix(const Lumo::mat4<float>& m);
    Lumo::mat4<float> toMat4() const;

    static ADevMatrix Identity() { return {}; }
    static ADevMatrix Translation(const Lumo::float3& t);
    static ADevMatrix Scale(const Lumo::float3& factors);

    // The product a . b: applying the result applies a first, then b.
    static ADevMatrix Multiply(const ADevMatrix& a, const ADevMatrix& b);
    // out may alias a or b.
    static void SetMultiply(ADevMatrix& out, const ADevMatrix& a, const ADevMatrix& b);

    // A matrix that is singular (its linear part has no usable inverse at float precision) or
    // has non-finite entries cannot be inverted: the bool form then returns false and sets out
    // to the identity; the convenience form returns the identity.
    static bool Invert(const ADevMatrix& m, ADevMatrix& out);
    static ADevMatrix Invert(const ADevMatrix& m);

    // Exact comparison with the identity: a step that only almost cancels is still a step.
    bool IsIdentity() const;
    bool isFinite() const;

    // The point transform: x' = x.M11 + y.M21 + z.M31 + M41 (likewise y', z'), no perspective divide.
    Lumo::float3 transformPoint(const Lumo::float3& p) const;
    // The direction transform: the same without the translation row.
    Lumo::float3 transformVector(const Lumo::float3& v) const;

    float at(int row, int column) const;
    void set(int row, int column, float value);

    friend bool operator==(const ADevMatrix& a, const ADevMatrix& b);
    friend bool operator!=(const ADevMatrix& a, const ADevMatrix& b) { return !(a == b); }
};

} // namespace Lumo::Objects

Q_DECLARE_METATYPE(Lumo::Objects::ADevMatrix)
