#pragma once

#include "ui_widgets/platform/math/Vector3.h"

#include <algorithm>
#include <limits>

namespace Kairn::Objects {

// An axis-aligned box between two corners. A default box is empty (its minimum lies above its
// maximum on every axis) and reports zero lengths and a zero centre; extend() grows it to
// contain a point.
template<class T>
class Box
{
public:
    Box() = default;
    // The corners may be given in any order.
    Box(const Vector3<T>& a, const Vector3<T>& b)
        : m_min(std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)),
          m_max(std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z))
    {
    }

    const Vector3<T>& min() const { return m_min; }
    const Vector3<T>& max() const { return m_max; }

    bool isEmpty() const { return !(m_min.x <= m_max.x && m_min.y <= m_max.y && m_min.z <= m_max.z); }

    Vector3<T> center() const { return isEmpty() ? Vector3<T>() : (m_min + m_max) / T(2); }
    T xLength() const { return isEmpty() ? T(0) : m_max.x - m_min.x; }
    T yLength() const { return isEmpty() ? T(0) : m_max.y - m_min.y; }
    T zLength() const { return isEmpty() ? T(0) : m_max.z - m_min.z; }

    // A non-finite point is ignored.
    void extend(const Vector3<T>& p)
    {
        if (!p.isFinite())
            return;
        m_min = {std::min(m_min.x, p.x), std::min(m_min.y, p.y), std::min(m_min.z, p.z)};
        m_max = {std::max(m_max.x, p.x), std::max(m_max.y, p.y), std::max(m_max.z, p.z)};
    }

    friend bool operator==(const Box& a, const Box& b) { return a.m_min == b.m_min && a.m_max == b.m_max; }

private:
    static constexpr T huge = std::numeric_limits<T>::max();
    Vector3<T> m_min{huge, huge, huge};
    Vector3<T> m_max{-huge, -huge, -huge};
};

} // namespace Kairn::Objects
