#include "ui_widgets/platform/math/ADevMatrix.h"

#include <cmath>

namespace Lumo::Objects {

namespace {

// The sixteen fields in row-major order, so that element loops need no switch.
constexpr float ADevMatrix::*fields[16] = {
    &ADevMatrix::M11, &ADevMatrix::M12, &ADevMatrix::M13, &ADevMatrix::M14,
    &ADevMatrix::M21, &ADevMatrix::M22, &ADevMatrix::M23, &ADevMatrix::M24,
    &ADevMatrix::M31, &ADevMatrix::M32, &ADevMatrix::M33, &ADevMatrix::M34,
    &ADevMatrix::M41, &ADevMatrix::M42, &ADevMatrix::M43, &ADevMatrix::M44,
};

// Below this ratio of |det| to the product of the row lengths (Hadamard's bound) the rows are so
// close to dependent that an inverse computed from floats has no correct digits left.
constexpr double singularRatio = 1e-7;

double rowLength(const double* row, int count)
{
    double sum = 0;
    for (int i = 0; i < count; ++i)
        sum += row[i] * row[i];
    return std::sqrt(sum);
}

} // namespace

ADevMatrix::ADevMatrix(const Lumo::mat4<float>& m)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            set(r, c, m.m[r][c]);
}

Lumo::mat4<float> ADevMatrix::toMat4() const
{
    Lumo::mat4<float> result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            result.m[r][c] = at(r, c);
    return result;
}

ADevMatrix ADevMatrix::Translation(const Lumo::float3& t)
{
    ADevMatrix m;
    m.M41 = t.x;
    m.M42 = t.y;
    m.M43 = t.z;
    return m;
}

ADevMatrix ADevMatrix::Scale(const Lumo::float3& factors)
{
    ADevMatrix m;
    m.M11 = factors.x;
    m.M22 = factors.y;
    m.M33 = factors.z;
    return m;
}

ADevMatrix ADevMatrix::Multiply(const ADevMatrix& a, const ADevMatrix& b)
{
    ADevMatrix result;
    SetMultiply(result, a, b);
    return result;
}

void ADevMatrix::SetMultiply(ADevMatrix& out, const ADevMatrix& a, const ADevMatrix& b)
{
    ADevMatrix product;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += a.*fields[r * 4 + k] * b.*fields[k * 4 + c];
            product.*fields[r * 4 + c] = sum;
        }
    out = product;
}

bool ADevMatrix::Invert(const ADevMatrix& m, ADevMatrix& out)
{
    out = Identity();
    if (!m.isFinite())
        return false;
    double a[16];
    for (int i = 0; i < 16; ++i)
        a[i] = m.*fields[i];

    // Cofactor expansion through the 2x2 minors of the upper and lower row pairs.
    const double s0 = a[0] * a[5] - a[4] * a[1], s1 = a[0] * a[6] - a[4] * a[2], s2 = a[0] * a[7] - a[4] * a[3];
    const double s3 = a[1] * a[6] - a[5] * a[2], s4 = a[1] * a[7] - a[5] * a[3], s5 = a[2] * a[7] - a[6] * a[3];
    const double c5 = a[10] * a[15] - a[14] * a[11], c4 = a[9] * a[15] - a[13] * a[11], c3 = a[9] * a[14] - a[13] * a[10];
    const double c2 = a[8] * a[15] - a[12] * a[11], c1 = a[8] * a[14] - a[12] * a[10], c0 = a[8] * a[13] - a[12] * a[9];
    const double det = s0 * c5 - s1 * c4 + s2 * c3 + s3 * c2 - s4 * c1 + s5 * c0;

    // For an affine matrix the translation row does not affect invertibility, and a far-away
    // translation would only inflate the bound, so the test uses the linear 3x3 part alone.
    const bool affine = a[3] == 0 && a[7] == 0 && a[11] == 0 && a[15] == 1;
    double bound = 1;
    for (int r = 0; r < (affine ? 3 : 4); ++r)
        bound *= rowLength(a + r * 4, affine ? 3 : 4);
    if (!(std::abs(det) > singularRatio * bound) || !std::isfinite(det))
        return false;

    const double inv = 1.0 / det;
    const double b[16] = {
        (a[5] * c5 - a[6] * c4 + a[7] * c3) * inv,  (-a[1] * c5 + a[2] * c4 - a[3] * c3) * inv,
        (a[13] * s5 - a[14] * s4 + a[15] * s3) * inv, (-a[9] * s5 + a[10] * s4 - a[11] * s3) * inv,
        (-a[4] * c5 + a[6] * c2 - a[7] * c1) * inv, (a[0] * c5 - a[2] * c2 + a[3] * c1) * inv,
        (-a[12] * s5 + a[14] * s2 - a[15] * s1) * inv, (a[8] * s5 - a[10] * s2 + a[11] * s1) * inv,
        (a[4] * c4 - a[5] * c2 + a[7] * c0) * inv,  (-a[0] * c4 + a[1] * c2 - a[3] * c0) * inv,
        (a[12] * s4 - a[13] * s2 + a[15] * s0) * inv, (-a[8] * s4 + a[9] * s2 - a[11] * s0) * inv,
        (-a[4] * c3 + a[5] * c1 - a[6] * c0) * inv, (a[0] * c3 - a[1] * c1 + a[2] * c0) * inv,
        (-a[12] * s3 + a[13] * s1 - a[14] * s0) * inv, (a[8] * s3 - a[9] * s1 + a[10] * s0) * inv,
    };
    ADevMatrix result;
    for (int i = 0; i < 16; ++i)
        result.*fields[i] = float(b[i]);
    if (!result.isFinite())
        return false;
    out = result;
    return true;
}

ADevMatrix ADevMatrix::Invert(const ADevMatrix& m)
{
    ADevMatrix result;
    Invert(m, result);
    return result;
}

bool ADevMatrix::IsIdentity() const
{
    return *this == Identity();
}

bool ADevMatrix::isFinite() const
{
    for (int i = 0; i < 16; ++i)
        if (!std::isfinite(this->*fields[i]))
            return false;
    return true;
}

Lumo::float3 ADevMatrix::transformPoint(const Lumo::float3& p) const
{
    return {p.x * M11 + p.y * M21 + p.z * M31 + M41,
            p.x * M12 + p.y * M22 + p.z * M32 + M42,
            p.x * M13 + p.y * M23 + p.z * M33 + M43};
}

Lumo::float3 ADevMatrix::transformVector(const Lumo::float3& v) const
{
    return {v.x * M11 + v.y * M21 + v.z * M31,
            v.x * M12 + v.y * M22 + v.z * M32,
            v.x * M13 + v.y * M23 + v.z * M33};
}

float ADevMatrix::at(int row, int column) const
{
    if (row < 0 || row > 3 || column < 0 || column > 3)
        return 0;
    return this->*fields[row * 4 + column];
}

void ADevMatrix::set(int row, int column, float value)
{
    if (row < 0 || row > 3 || column < 0 || column > 3)
        return;
    this->*fields[row * 4 + column] = value;
}

bool operator==(const ADevMatrix& a, const ADevMatrix& b)
{
    for (int i = 0; i < 16; ++i)
        if (a.*fields[i] != b.*fields[i])
            return false;
    return true;
}

} // namespace Lumo::Objects
