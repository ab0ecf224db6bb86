#include "ui_widgets/platform/scene/ScreenSpacePicking.h"

#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/PickGeometry.h"

#include <algorithm>
#include <cmath>

namespace Kairn::Graphics::ScreenSpacePicking {

namespace {

bool isUsable(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context)
{
    return context.camera && worldRay.origin().isFinite() && worldRay.direction().isFinite()
           && !worldRay.direction().isZero();
}

} // namespace

bool intersectSegments(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context,
                       const Lumo::float3* points, int count, bool closed, float lineWeightPixels, float& distance,
                       Lumo::float3& worldPoint)
{
    if (!points || count < 1 || !isUsable(worldRay, context))
        return false;
    const Lumo::float3 origin = worldRay.origin(), direction = worldRay.direction();
    const float allowedPixels = std::max(context.pixelTolerance, 0.5f * lineWeightPixels);
    const int segmentCount = count == 1 ? 1 : (closed && count > 2 ? count : count - 1);
    float best = INFINITY;
    for (int i = 0; i < segmentCount; ++i) {
        const Lumo::float3 a = context.toWorld(points[i]);
        const Lumo::float3 b = context.toWorld(points[count == 1 ? 0 : (i + 1) % count]);
        const float s = PickGeometry::closestSegmentParameterToRay(origin, direction, a, b);
        const Lumo::float3 onSegment = a + (b - a) * s;
        const float along = Lumo::dot(onSegment - origin, direction);
        if (!(along >= 0.0f) || along >= best)
            continue;
        const float offRay = Lumo::length(onSegment - (origin + direction * along));
        if (!(offRay * context.camera->pixelsPerWorldUnitAt(onSegment) <= allowedPixels))
            continue;
        best = along;
        worldPoint = onSegment;
    }
    if (best == INFINITY)
        return false;
    distance = best;
    return true;
}

bool screenOffsetFrom(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context,
                      const Lumo::float3& localPoint, Lumo::vec2<float>& offset, float& distance)
{
    if (!isUsable(worldRay, context))
        return false;
    const Camera& camera = *context.camera;
    const Lumo::float3 origin = worldRay.origin(), direction = worldRay.direction();
    const Lumo::float3 anchor = context.toWorld(localPoint);
    const float approach = Lumo::dot(direction, camera.getViewDirection());
    if (!(approach > 1e-6f))
        return false;
    const float along = (camera.depthOf(anchor) - camera.depthOf(origin)) / approach;
    if (!(along >= 0.0f))
        return false;
    offset = camera.projectToScreen(origin + direction * along) - camera.projectToScreen(anchor);
    distance = along;
    return Lumo::isFinite(offset) && std::isfinite(distance);
}

} // namespace Kairn::Graphics::ScreenSpacePicking
