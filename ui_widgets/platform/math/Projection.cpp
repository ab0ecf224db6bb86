#include "ui_widgets/platform/math/Projection.h"

#include "ui_widgets/platform/math/LineRayDistance.h"

#include <cmath>

namespace Kairn::Objects::Projection {

namespace {
// Below this cosine between the ray and the plane the crossing lies too far out to be of use.
constexpr float parallelCosine = 1e-6f;
} // namespace

bool intersectRayPlane(const Ray3<float>& ray, const Vector3<float>& planePoint, const Vector3<float>& planeNormal,
                       Vector3<float>& out)
{
    const Vector3<float> n = planeNormal.normalized();
    const Vector3<float> d = ray.direction().normalized();
    if (!ray.isValid() || n.isZero() || !planePoint.isFinite())
        return false;
    const float approach = d.dot(n);
    if (std::abs(approach) <= parallelCosine)
        return false;
    const float t = (planePoint - ray.origin()).dot(n) / approach;
    if (t < 0 || !std::isfinite(t))
        return false;
    out = ray.origin() + d * t;
    return true;
}

bool closestPointOnLineToRay(const Lumo::Objects::XLine<float>& line, const Ray3<float>& ray, Vector3<float>& out)
{
    const LineRayClosestPoints closest = computeLineRayDistance(line, ray);
    if (!closest.valid)
        return false;
    out = closest.pointOnLine;
    return true;
}

bool intersectRaySphere(const Ray3<float>& ray, const Vector3<float>& center, float radius, Vector3<float>& out)
{
    if (!ray.isValid() || !center.isFinite() || !std::isfinite(radius) || !(radius > 0))
        return false;
    const Vector3<double> d = ray.direction().normalized().toDouble();
    const Vector3<double> fromCenter = (ray.origin() - center).toDouble();
    // |o + t.d - c|^2 = r^2 with |d| = 1: t^2 + 2bt + c = 0.
    const double b = fromCenter.dot(d);
    const double c = fromCenter.lengthSquared() - double(radius) * radius;
    const double discriminant = b * b - c;
    if (discriminant < 0)
        return false;
    const double root = std::sqrt(discriminant);
    double t = -b - root;
    if (t < 0)
        t = -b + root;
    if (t < 0)
        return false;
    out = (ray.origin().toDouble() + d * t).toFloat();
    return true;
}

bool nearestPointOnCircle(const Circle3<float>& circle, const Vector3<float>& point, Vector3<float>& out)
{
    return circle.nearestPointTo(point, out);
}

} // namespace Kairn::Objects::Projection
