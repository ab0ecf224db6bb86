#pragma once

#include "ui_widgets/platform/math/Vec.h"

namespace Kairn::Graphics::PickGeometry {

// Ray tests of the primitive shapes in their own frames, shared by the primitive nodes' hit tests
// and the renderer-independent picking. A ray is origin + t * direction; the direction need not
// be unit length (a ray taken into a scaled local frame keeps the world's parameter t that way).
// Each test returns the smallest t >= 0 of a hit, or false; surfaces are seen from both sides.

// Sphere of radius r centred on the origin.
bool intersectSphere(const Lumo::float3& origin, const Lumo::float3& direction, float radius, float& t);

// Filled disc of radius r in the plane z = height, centred on the Z axis.
bool intersectDisc(const Lumo::float3& origin, const Lumo::float3& direction, float radius, float height,
                   float& t);

// Closed cylinder of radius r from z = 0 to z = height (side and both caps).
bool intersectCylinder(const Lumo::float3& origin, const Lumo::float3& direction, float radius, float height,
                       float& t);

// Closed cone with its base disc of radius r at z = 0 and its apex at (0, 0, height).
bool intersectCone(const Lumo::float3& origin, const Lumo::float3& direction, float radius, float height,
                   float& t);

// Torus around the Z axis: tube of radius minorRadius around the circle of radius majorRadius in
// the XY plane. Sphere tracing on the exact distance function (which never steps through the
// surface), with the entry refined by bisection; only a chord thinner than a thousandth of the
// tube radius can be stepped over.
bool intersectTorus(const Lumo::float3& origin, const Lumo::float3& direction, float majorRadius,
                    float minorRadius, float& t);

// Parameter s in [0, 1] of the point of the segment a-b closest to the ray.
float closestSegmentParameterToRay(const Lumo::float3& origin, const Lumo::float3& direction,
                                   const Lumo::float3& a, const Lumo::float3& b);

// Even-odd rule for a point in the plane of a (nearly) planar polygon, measured in the plane's
// axes u and v; the polygon is closed implicitly.
bool isInsidePolygon(const Lumo::float3& p, const Lumo::float3* corners, int count, const Lumo::float3& u,
                     const Lumo::float3& v);

// Newell's normal of a polygon (unit; zero for a degenerate one), robust for non-convex and
// slightly non-planar outlines.
Lumo::float3 polygonNormal(const Lumo::float3* corners, int count);

} // namespace Kairn::Graphics::PickGeometry
