#pragma once

#include "ui_widgets/platform/math/Vec.h"

#include <vector>

namespace Lumo::Objects {

// An ordered list of points, open or closed (a closed polyline has a last segment back to its
// first point). Non-finite points and out-of-range indices are refused: the edit returns false
// and the polyline is unchanged.
template<class T>
class Polyline
{
public:
    using Point = Lumo::vec3<T>;

    Polyline() = default;

    bool addPoint(const Point& p) { return insertPointAtIndex(pointCount(), p); }

    // Inserts before `index`; index == pointCount() appends.
    bool insertPointAtIndex(int index, const Point& p)
    {
        if (index < 0 || index > pointCount() || !Lumo::isFinite(p))
            return false;
        m_points.insert(m_points.begin() + index, p);
        return true;
    }

    bool removePointAtIndex(int index)
    {
        if (index < 0 || index >= pointCount())
            return false;
        m_points.erase(m_points.begin() + index);
        return true;
    }

    bool setPoint(int index, const Point& p)
    {
        if (index < 0 || index >= pointCount() || !Lumo::isFinite(p))
            return false;
        m_points[index] = p;
        return true;
    }

    void clear() { m_points.clear(); }

    int pointCount() const { return int(m_points.size()); }
    // The point at `index`, or the origin for an index out of range.
    Point point(int index) const { return index >= 0 && index < pointCount() ? m_points[index] : Point{}; }
    const std::vector<Point>& points() const { return m_points; }

    bool isClosed() const { return m_closed; }
    void setClosed(bool closed) { m_closed = closed; }

    // The sum of the segment lengths; a closed polyline of three or more points adds the
    // segment from its last point back to its first (two points closed are one segment, not two).
    T length() const
    {
        T sum = 0;
        for (int i = 1; i < pointCount(); ++i)
            sum += Lumo::length(m_points[i] - m_points[i - 1]);
        if (m_closed && pointCount() >= 3)
            sum += Lumo::length(m_points.front() - m_points.back());
        return sum;
    }

    friend bool operator==(const Polyline& a, const Polyline& b) { return a.m_closed == b.m_closed && a.m_points == b.m_points; }

private:
    std::vector<Point> m_points;
    bool m_closed = false;
};

} // namespace Lumo::Objects
