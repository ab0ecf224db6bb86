#include "ui_widgets/platform/scene/ScreenSpacePicking.h"

#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/PickGeometry.h"

#include <algorithm>
#include <cmath>

namespace Kairn::Graphics::ScreenSpacePicking {

namespace {

// The local ray carried into the world: origin, unit direction, and the world length of one
// local unit along the ray (to turn world distances back into local ray parameters).
struct WorldRay
{
    Lumo::float3 origin;
    Lumo::float3 direction;
    float worldPerLocal = 0.0f;
};

bool toWorld(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context, WorldRay& out)
{
    const Lumo::float3 step = context.localToWorld.transformVector(localRay.direction());
    out.worldPerLocal = Lumo::length(step);
    out.origin = context.toWorld(localRay.origin());
    out.direction = Lumo::normalized(step);
    return out.worldPerLocal > 0.0f && std::isfinite(out.worldPerLocal) && Lumo::isFinite(out.origin);
}

} // namespace

float pixelsPerWorldUnitAt(const PickContext& context, const Lumo::float3& worldPoint)
{
    if (context.pixelsPerWorldUnitAt)
        return context.pixelsPerWorldUnitAt(worldPoint);
    return context.camera ? context.camera->pixelsPerWorldUnitAt(worldPoint) : 0.0f;
}

bool intersectSegments(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context,
                       const Lumo::float3* points, int count, bool closed, float lineWeightPixels, float& t,
                       Lumo::float3& localPoint)
{
    WorldRay ray;
    if (!points || count < 1 || !toWorld(localRay, context, ray))
        return false;
    const float allowedPixels = std::max(context.pixelTolerance, 0.5f * lineWeightPixels);
    const int segmentCount = count == 1 ? 1 : (closed && count > 2 ? count : count - 1);
    float best = INFINITY;
    for (int i = 0; i < segmentCount; ++i) {
        const Lumo::float3& aLocal = points[i];
        const Lumo::float3& bLocal = points[count == 1 ? 0 : (i + 1) % count];
        const Lumo::float3 a = context.toWorld(aLocal), b = context.toWorld(bLocal);
        const float s = PickGeometry::closestSegmentParameterToRay(ray.origin, ray.direction, a, b);
        const Lumo::float3 onSegment = a + (b - a) * s;
        const float along = Lumo::dot(onSegment - ray.origin, ray.direction);
        if (!(along >= 0.0f) || along >= best)
            continue;
        const float offRay = Lumo::length(onSegment - (ray.origin + ray.direction * along));
        if (offRay * pixelsPerWorldUnitAt(context, onSegment) > allowedPixels)
            continue;
        best = along;
        localPoint = aLocal + (bLocal - aLocal) * s;
    }
    if (best == INFINITY)
        return false;
    t = best / ray.worldPerLocal;
    return true;
}

bool screenOffsetFrom(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context,
                      const Lumo::float3& localPoint, Lumo::vec2<float>& offset, float& rayParameter)
{
    WorldRay ray;
    if (!context.camera || !toWorld(localRay, context, ray))
        return false;
    const Camera& camera = *context.camera;
    const Lumo::float3 anchor = context.toWorld(localPoint);
    const float approach = Lumo::dot(ray.direction, camera.getViewDirection());
    if (!(approach > 1e-6f))
        return false;
    const float along = (camera.depthOf(anchor) - camera.depthOf(ray.origin)) / approach;
    if (!(along >= 0.0f))
        return false;
    offset = camera.projectToScreen(ray.origin + ray.direction * along) - camera.projectToScreen(anchor);
    rayParameter = along / ray.worldPerLocal;
    return Lumo::isFinite(offset) && std::isfinite(rayParameter);
}

} // namespace Kairn::Graphics::ScreenSpacePicking
