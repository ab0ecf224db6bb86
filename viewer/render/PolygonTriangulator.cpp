#include "viewer/render/PolygonTriangulator.h"

#include <QVector2D>

#include <cmath>

namespace Viewer {

namespace {

float cross2(const QVector2D& a, const QVector2D& b, const QVector2D& c)
{
    return (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
}

bool insideTriangle(const QVector2D& p, const QVector2D& a, const QVector2D& b, const QVector2D& c)
{
    return cross2(a, b, p) >= 0.0f && cross2(b, c, p) >= 0.0f && cross2(c, a, p) >= 0.0f;
}

} // namespace

PolygonTriangulator::PolygonTriangulator(const std::vector<QVector3D>& points)
{
    const std::size_t count = points.size();
    if (count < 3)
        return;
    QVector3D newell;
    for (std::size_t i = 0; i < count; ++i) {
        const QVector3D& a = points[i];
        const QVector3D& b = points[(i + 1) % count];
        newell += QVector3D((a.y() - b.y()) * (a.z() + b.z()), (a.z() - b.z()) * (a.x() + b.x()),
                            (a.x() - b.x()) * (a.y() + b.y()));
    }
    if (!(newell.length() > 0.0f) || !std::isfinite(newell.length()))
        return;
    m_normal = newell.normalized();

    // A right-handed frame (u, v, normal) in which the polygon winds counter-clockwise.
    const QVector3D helper = std::abs(m_normal.x()) < 0.9f ? QVector3D(1, 0, 0) : QVector3D(0, 1, 0);
    const QVector3D u = QVector3D::crossProduct(helper, m_normal).normalized();
    const QVector3D v = QVector3D::crossProduct(m_normal, u);
    std::vector<QVector2D> flat;
    flat.reserve(count);
    for (const QVector3D& p : points)
        flat.emplace_back(QVector3D::dotProduct(p, u), QVector3D::dotProduct(p, v));

    std::vector<std::uint32_t> remaining(count);
    for (std::size_t i = 0; i < count; ++i)
        remaining[i] = static_cast<std::uint32_t>(i);

    std::size_t misses = 0;
    std::size_t i = 0;
    while (remaining.size() > 3 && misses < remaining.size()) {
        const std::size_t n = remaining.size();
        const auto previous = remaining[(i + n - 1) % n];
        const auto current = remaining[i % n];
        const auto next = remaining[(i + 1) % n];
        bool isEar = cross2(flat[previous], flat[current], flat[next]) > 0.0f;
        for (std::size_t k = 0; isEar && k < n; ++k) {
            const auto other = remaining[k];
            if (other != previous && other != current && other != next
                && insideTriangle(flat[other], flat[previous], flat[current], flat[next]))
                isEar = false;
        }
        if (isEar) {
            m_triangles.insert(m_triangles.end(), {previous, current, next});
            remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(i % n));
            misses = 0;
        } else {
            ++i;
            ++misses;
        }
        i %= remaining.size();
    }
    // A self-intersecting rest has no ear left: close it as a fan rather than drop it.
    for (std::size_t k = 1; k + 1 < remaining.size(); ++k)
        m_triangles.insert(m_triangles.end(), {remaining[0], remaining[k], remaining[k + 1]});
}

} // namespace Viewer
