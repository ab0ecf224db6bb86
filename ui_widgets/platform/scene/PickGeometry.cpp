#include "ui_widgets/platform/scene/PickGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Kairn::Graphics::PickGeometry {

namespace {

struct Ray
{
    double ox, oy, oz, dx, dy, dz;
    Ray(const Lumo::float3& o, const Lumo::float3& d) : ox(o.x), oy(o.y), oz(o.z), dx(d.x), dy(d.y), dz(d.z) {}
    double zAt(double t) const { return oz + t * dz; }
};

bool isUsable(const Lumo::float3& origin, const Lumo::float3& direction)
{
    return Lumo::isFinite(origin) && Lumo::isFinite(direction) && Lumo::dot(direction, direction) > 0.0f;
}

// Roots of a t^2 + b t + c = 0 in ascending order; false when there is none. The form avoids the
// cancellation of the textbook formula.
bool solveQuadratic(double a, double b, double c, double& t0, double& t1)
{
    if (std::abs(a) < 1e-300) {
        if (std::abs(b) < 1e-300)
            return false;
        t0 = t1 = -c / b;
        return true;
    }
    const double discriminant = b * b - 4.0 * a * c;
    if (discriminant < 0.0)
        return false;
    const double q = -0.5 * (b + std::copysign(std::sqrt(discriminant), b));
    t0 = q / a;
    t1 = q != 0.0 ? c / q : t0;
    if (t0 > t1)
        std::swap(t0, t1);
    return true;
}

// Keeps the smaller non-negative candidate in best.
void consider(double t, double& best)
{
    if (t >= 0.0 && t < best)
        best = t;
}

bool finish(double best, float& t)
{
    if (best == std::numeric_limits<double>::infinity())
        return false;
    t = float(best);
    return true;
}

double discHit(const Ray& r, double radius, double height)
{
    if (r.dz == 0.0)
        return -1.0;
    const double t = (height - r.oz) / r.dz;
    const double x = r.ox + t * r.dx, y = r.oy + t * r.dy;
    return x * x + y * y <= radius * radius ? t : -1.0;
}

} // namespace

bool intersectSphere(const Lumo::float3& origin, const Lumo::float3& direction, float radius, float& t)
{
    if (!isUsable(origin, direction) || !(radius > 0.0f))
        return false;
    const Ray r(origin, direction);
    double t0, t1;
    if (!solveQuadratic(r.dx * r.dx + r.dy * r.dy + r.dz * r.dz, 2.0 * (r.ox * r.dx + r.oy * r.dy + r.oz * r.dz),
                        r.ox * r.ox + r.oy * r.oy + r.oz * r.oz - double(radius) * radius, t0, t1))
        return false;
    double best = std::numeric_limits<double>::infinity();
    consider(t0, best);
    consider(t1, best);
    return finish(best, t);
}

bool intersectDisc(const Lumo::float3& origin, const Lumo::float3& direction, float radius, float height, float& t)
{
    if (!isUsable(origin, direction) || !(radius > 0.0f))
        return false;
    double best = std::numeric_limits<double>::infinity();
    consider(discHit(Ray(origin, direction), radius, height), best);
    return finish(best, t);
}

bool intersectCylinder(const Lumo::float3& origin, const Lumo::float3& direction, float radius, float height,
                       float& t)
{
    if (!isUsable(origin, direction) || !(radius > 0.0f) || !std::isfinite(height))
        return false;
    const Ray r(origin, direction);
    const double zLow = std::min(0.0, double(height)), zHigh = std::max(0.0, double(height));
    double best = std::numeric_limits<double>::infinity();
    double t0, t1;
    if (solveQuadratic(r.dx * r.dx + r.dy * r.dy, 2.0 * (r.ox * r.dx + r.oy * r.dy),
                       r.ox * r.ox + r.oy * r.oy - double(radius) * radius, t0, t1)) {
        for (const double candidate : {t0, t1}) {
            const double z = r.zAt(candidate);
            if (z >= zLow && z <= zHigh)
                consider(candidate, best);
        }
    }
    consider(discHit(r, radius, 0.0), best);
    consider(discHit(r, radius, height), best);
    return finish(best, t);
}

bool intersectCone(const Lumo::float3& origin, const Lumo::float3& direction, float radius, float height, float& t)
{
    if (!isUsable(origin, direction) || !(radius > 0.0f) || !std::isfinite(height) || height == 0.0f)
        return false;
    const Ray r(origin, direction);
    // x^2 + y^2 = (k (h - z))^2 with k = r / h, between the base and the apex.
    const double h = height, k = double(radius) / h, k2 = k * k, toApex = h - r.oz;
    const double zLow = std::min(0.0, h), zHigh = std::max(0.0, h);
    double best = std::numeric_limits<double>::infinity();
    double t0, t1;
    if (solveQuadratic(r.dx * r.dx + r.dy * r.dy - k2 * r.dz * r.dz,
                       2.0 * (r.ox * r.dx + r.oy * r.dy + k2 * toApex * r.dz),
                       r.ox * r.ox + r.oy * r.oy - k2 * toApex * toApex, t0, t1)) {
        for (const double candidate : {t0, t1}) {
            const double z = r.zAt(candidate);
            if (z >= zLow && z <= zHigh)
                consider(candidate, best);
        }
    }
    consider(discHit(r, radius, 0.0), best);
    return finish(best, t);
}

bool intersectTorus(const Lumo::float3& origin, const Lumo::float3& direction, float majorRadius,
                    float minorRadius, float& t)
{
    if (!isUsable(origin, direction) || !(majorRadius >= 0.0f) || !(minorRadius > 0.0f))
        return false;
    const double scale = std::sqrt(double(Lumo::dot(direction, direction)));
    const double ox = origin.x, oy = origin.y, oz = origin.z;
    const double dx = direction.x / scale, dy = direction.y / scale, dz = direction.z / scale;
    const double R = majorRadius, r = minorRadius;
    const auto distance = [&](double s) {
        const double x = ox + s * dx, y = oy + s * dy, z = oz + s * dz;
        const double ring = std::sqrt(x * x + y * y) - R;
        return std::sqrt(ring * ring + z * z) - r;
    };

    // Only the part of the ray inside the bounding sphere can hit.
    double enter, leave;
    const double bound = R + r;
    if (!solveQuadratic(1.0, 2.0 * (ox * dx + oy * dy + oz * dz), ox * ox + oy * oy + oz * oz - bound * bound, enter,
                        leave)
        || leave < 0.0)
        return false;
    // Sphere tracing: a step of the distance to the surface can never cross it. Near the surface
    // the step is kept at a thousandth of the tube radius until the ray is inside, and the entry
    // is then found by bisection; a ray that only grazes the surface misses.
    double s = std::max(enter, 0.0);
    const double minimumStep = 1e-3 * r;
    double d = distance(s);
    if (d < 0.0)
        return finish(0.0, t);
    for (int step = 0; step < 8192 && s <= leave; ++step) {
        const double next = s + std::max(d, minimumStep);
        const double dNext = distance(next);
        if (dNext < 0.0) {
            double outside = s, inside = next;
            for (int i = 0; i < 40; ++i) {
                const double middle = 0.5 * (outside + inside);
                (distance(middle) < 0.0 ? inside : outside) = middle;
            }
            return finish(outside / scale, t);
        }
        s = next;
        d = dNext;
    }
    return false;
}

float closestSegmentParameterToRay(const Lumo::float3& origin, const Lumo::float3& direction,
                                   const Lumo::float3& a, const Lumo::float3& b)
{
    // Closest points of the two lines, then the segment parameter clamped; the ray's own
    // parameter is left free, which is what a pick near the segment needs.
    const Lumo::float3 u = b - a, w = a - origin;
    const double uu = Lumo::dot(u, u), ud = Lumo::dot(u, direction), dd = Lumo::dot(direction, direction);
    const double uw = Lumo::dot(u, w), dw = Lumo::dot(direction, w);
    const double denominator = uu * dd - ud * ud;
    double s = 0.0;
    if (denominator > 1e-12 * uu * dd)
        s = (ud * dw - dd * uw) / denominator;
    else if (uu > 0.0)
        s = -uw / uu;
    if (!std::isfinite(s))
        return 0.0f;
    return float(std::clamp(s, 0.0, 1.0));
}

bool isInsidePolygon(const Lumo::float3& p, const Lumo::float3* corners, int count, const Lumo::float3& u,
                     const Lumo::float3& v)
{
    if (!corners || count < 3)
        return false;
    const float px = Lumo::dot(p, u), py = Lumo::dot(p, v);
    bool inside = false;
    for (int i = 0, j = count - 1; i < count; j = i++) {
        const float ax = Lumo::dot(corners[i], u), ay = Lumo::dot(corners[i], v);
        const float bx = Lumo::dot(corners[j], u), by = Lumo::dot(corners[j], v);
        if ((ay > py) != (by > py) && px < (bx - ax) * (py - ay) / (by - ay) + ax)
            inside = !inside;
    }
    return inside;
}

Lumo::float3 polygonNormal(const Lumo::float3* corners, int count)
{
    Lumo::float3 sum;
    for (int i = 0, j = count - 1; corners && i < count; j = i++) {
        const Lumo::float3& a = corners[j];
        const Lumo::float3& b = corners[i];
        sum = sum + Lumo::float3{(a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y)};
    }
    return Lumo::normalized(sum);
}

} // namespace Kairn::Graphics::PickGeometry
