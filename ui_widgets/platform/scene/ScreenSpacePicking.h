#pragma once

#include "ui_widgets/platform/math/Ray3.h"
#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/scene/PickContext.h"

namespace Kairn::Graphics::ScreenSpacePicking {

// Hit tests measured on screen, for nodes that are thin (curves, outlines) or drawn in pixels
// (2D text). They work on the local ray that VyrGraphicsNode::intersectLocalRay receives and
// report, like it, the local ray parameter and the local hit point.

// Pixels per world unit at a world point: the context's function, else its camera's; 0 when the
// context has neither.
float pixelsPerWorldUnitAt(const PickContext& context, const Lumo::float3& worldPoint);

// The segments between consecutive local points (and from the last back to the first when
// closed) are hit where they pass within the context's pixel tolerance, widened to half the line
// weight for lines drawn wider than that, of the pick ray. The nearest segment in front wins; the
// hit point lies on the segment.
bool intersectSegments(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context,
                       const Lumo::float3* points, int count, bool closed, float lineWeightPixels, float& t,
                       Lumo::float3& localPoint);

// Where the pick ray crosses the screen, in pixels relative to the projection of a local point
// (x to the right, y downward), at that point's depth. False without a camera or when the ray
// does not reach that depth. rayParameter receives the local ray parameter at that depth.
bool screenOffsetFrom(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context,
                      const Lumo::float3& localPoint, Lumo::vec2<float>& offset, float& rayParameter);

} // namespace Kairn::Graphics::ScreenSpacePicking
