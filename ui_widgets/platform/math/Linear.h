#pragma once

#include "ui_widgets/platform/math/Vec.h"

namespace Lumo::Objects {

// An infinite line through Point() along Direction(). The direction is kept as given (not
// normalised); a zero direction makes a degenerate line that the geometry functions reject.
template<class T>
class Linear
{
public:
    Linear() = default;
    Linear(const Lumo::vec3<T>& point, const Lumo::vec3<T>& direction) : m_point(point), m_direction(direction) {}

    const Lumo::vec3<T>& Point() const { return m_point; }
    const Lumo::vec3<T>& Direction() const { return m_direction; }

    friend bool operator==(const Linear& a, const Linear& b)
    {
        return a.m_point == b.m_point && a.m_direction == b.m_direction;
    }
    friend bool operator!=(const Linear& a, const Linear& b) { return !(a == b); }

private:
    Lumo::vec3<T> m_point{};
    Lumo::vec3<T> m_direction{};
};

} // namespace Lumo::Objects
