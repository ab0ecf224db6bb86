#pragma once

#include "ui_widgets/platform/math/Circle3.h"
#include "ui_widgets/platform/math/Ray3.h"
#include "ui_widgets/platform/math/Vector3.h"
#include "ui_widgets/platform/math/XLine.h"

// The geometry of a drag: where the mouse ray meets the line, plane, sphere or ring that a widget
// constrains its handle to. Pure functions, no scene or event state. Each returns false (and
// leaves `out` alone) for degenerate input: zero or non-finite directions, normals or radii, and
// rays that never meet the shape in front of their origin.
namespace Kairn::Objects::Projection {

// The point where the ray crosses the plane, at or in front of the ray's origin. False for a ray
// parallel to the plane (including one lying in it).
bool intersectRayPlane(const Ray3<float>& ray, const Vector3<float>& planePoint, const Vector3<float>& planeNormal,
                       Vector3<float>& out);

// The point of the line nearest to the ray (Wild Magic's line-ray distance). A ray parallel to
// the line gives the foot of the ray's origin on the line.
bool closestPointOnLineToRay(const Lumo::Objects::XLine<float>& line, const Ray3<float>& ray, Vector3<float>& out);

// The first point where the ray enters the sphere; from an origin inside the sphere, the point
// where it leaves. False when the ray misses the sphere or the sphere lies behind it.
bool intersectRaySphere(const Ray3<float>& ray, const Vector3<float>& center, float radius, Vector3<float>& out);

// The point of the circle nearest to `point` (see Circle3::nearestPointTo). False when the point
// lies on the circle's axis, where no rim point is nearer than another.
bool nearestPointOnCircle(const Circle3<float>& circle, const Vector3<float>& point, Vector3<float>& out);

} // namespace Kairn::Objects::Projection
