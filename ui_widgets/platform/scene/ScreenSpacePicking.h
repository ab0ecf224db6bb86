#pragma once

#include "ui_widgets/platform/math/Ray3.h"
#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/scene/PickContext.h"

namespace Kairn::Graphics::ScreenSpacePicking {

// Hit tests measured on screen, for nodes that are thin (curves, outlines) or drawn in pixels
// (2D text). They work in world space on the ray that VyrGraphicsNode::intersectWorldRay
// receives (unit direction), with the node's local points carried through the context's draw
// transform, so they never need its inverse: an outline squashed flat by a singular transform
// is still hit along its drawn lines. Without a camera in the context they never hit.

// The segments between consecutive local points (and from the last back to the first when
// closed) are hit where they pass within the context's pixel tolerance, widened to half the line
// weight for lines drawn wider than that, of the pick ray. The nearest segment in front wins;
// distance is the ray parameter there and worldPoint lies on the segment.
bool intersectSegments(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context,
                       const Lumo::float3* points, int count, bool closed, float lineWeightPixels, float& distance,
                       Lumo::float3& worldPoint);

// Where the pick ray crosses the screen, in pixels relative to the projection of a local point
// (x to the right, y downward), at that point's depth. False without a camera or when the ray
// does not reach that depth. distance receives the ray parameter at that depth.
bool screenOffsetFrom(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context,
                      const Lumo::float3& localPoint, Lumo::vec2<float>& offset, float& distance);

} // namespace Kairn::Graphics::ScreenSpacePicking
