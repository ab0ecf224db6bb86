#pragma once

#include "ui_widgets/platform/math/Circle3.h"
#include "ui_widgets/platform/math/Ray3.h"
#include "ui_widgets/platform/math/Vector3.h"

// The grab vectors of rotation drags: the unit direction from a handle's centre to the point of
// its ring or sphere that lies under the mouse ray. A rotation widget compares the
// grab vector of one mouse event with that of the previous one to find the turn between them.
// Each function returns false, leaving `out` alone, when there is no such point or it coincides
// with the centre (so no direction).
namespace Kairn::Objects::Projection {

// Towards the point of the ring nearest to the ray (Ray3::nearestProjectedPointTo).
bool directionToRingPoint(const Ray3<float>& ray, const Circle3<float>& ring, Vector3<float>& out);

// Towards the point where the ray enters the sphere; a ray that misses it has none.
bool directionToSpherePoint(const Ray3<float>& ray, const Vector3<float>& center, float radius,
                            Vector3<float>& out);

} // namespace Kairn::Objects::Projection
