#include "ui_widgets/platform/math/GrabDirection.h"

#include "ui_widgets/platform/math/Projection.h"

namespace Kairn::Objects::Projection {

namespace {

bool directionFrom(const Vector3<float>& center, const Vector3<float>& point, Vector3<float>& out)
{
    const Vector3<float> direction = (point - center).normalized();
    if (direction.isZero())
        return false;
    out = direction;
    return true;
}

} // namespace

bool directionToRingPoint(const Ray3<float>& ray, const Circle3<float>& ring, Vector3<float>& out)
{
    return directionFrom(ring.center(), ray.nearestProjectedPointTo(ring), out);
}

bool directionToSpherePoint(const Ray3<float>& ray, const Vector3<float>& center, float radius, Vector3<float>& out)
{
    Vector3<float> entry;
    return intersectRaySphere(ray, center, radius, entry) && directionFrom(center, entry, out);
}

} // namespace Kairn::Objects::Projection
