#include "ui_widgets/platform/math/LineRayDistance.h"

#include <Wm5DistLine3Ray3.h>

namespace Kairn::Objects {

namespace {
Wm5::Vector3f toWm5(const Vector3<float>& v) { return Wm5::Vector3f(v.x, v.y, v.z); }
Vector3<float> fromWm5(const Wm5::Vector3f& v) { return {v.X(), v.Y(), v.Z()}; }
} // namespace

LineRayClosestPoints computeLineRayDistance(const Lumo::Objects::XLine<float>& line, const Ray3<float>& ray)
{
    LineRayClosestPoints result;
    const Vector3<float> linePoint = line.Point();
    const Vector3<float> lineDirection = line.Direction();
    const float lineLength = lineDirection.length();
    const float rayLength = ray.direction().length();
    const Vector3<float> lineUnit = lineDirection.normalized();
    const Vector3<float> rayUnit = ray.direction().normalized();
    if (!linePoint.isFinite() || !ray.origin().isFinite() || lineUnit.isZero() || rayUnit.isZero())
        return result;

    // The query keeps pointers to these two: they must outlive every call on it.
    const Wm5::Line3f wmLine(toWm5(linePoint), toWm5(lineUnit));
    const Wm5::Ray3f wmRay(toWm5(ray.origin()), toWm5(rayUnit));
    Wm5::DistLine3Ray3f query(wmLine, wmRay);
    result.squaredDistance = query.GetSquared();
    result.pointOnLine = fromWm5(query.GetClosestPoint0());
    result.pointOnRay = fromWm5(query.GetClosestPoint1());
    result.lineParameter = query.GetLineParameter() / lineLength;
    result.rayParameter = query.GetRayParameter() / rayLength;
    result.valid = std::isfinite(result.squaredDistance) && result.pointOnLine.isFinite() && result.pointOnRay.isFinite();
    if (!result.valid)
        result = LineRayClosestPoints();
    return result;
}

} // namespace Kairn::Objects
