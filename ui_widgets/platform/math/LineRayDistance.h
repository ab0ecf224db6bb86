#pragma once

#include "ui_widgets/platform/math/Ray3.h"
#include "ui_widgets/platform/math/Vector3.h"
#include "ui_widgets/platform/math/XLine.h"

namespace Kairn::Objects {

// The closest points between an infinite line and a ray. Parameters are in units of the
// caller's own direction vectors: pointOnLine = line.Point() + lineParameter . line.Direction()
// and pointOnRay = ray.pointAt(rayParameter), with rayParameter >= 0.
struct LineRayClosestPoints
{
    float squaredDistance = 0;
    Vector3<float> pointOnLine;
    Vector3<float> pointOnRay;
    float lineParameter = 0;
    float rayParameter = 0;
    // False when either direction is zero or non-finite, or a point is non-finite; every other
    // field is then zero.
    bool valid = false;
};

// Wild Magic 5's line-ray distance. When the ray runs parallel to the line every point of the
// ray is equally near: the ray's origin and its foot on the line are reported.
LineRayClosestPoints computeLineRayDistance(const Lumo::Objects::XLine<float>& line, const Ray3<float>& ray);

} // namespace Kairn::Objects
