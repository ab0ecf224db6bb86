#include "ui_widgets/platform/scene/BillboardPlacement.h"

#include "ui_widgets/platform/scene/Camera.h"

#include <algorithm>
#include <cmath>

namespace Kairn::Graphics {

namespace {

Lumo::Objects::ADevMatrix frame(const Lumo::float3& x, const Lumo::float3& y, const Lumo::float3& z,
                                const Lumo::float3& origin)
{
    Lumo::Objects::ADevMatrix m;
    m.M11 = x.x, m.M12 = x.y, m.M13 = x.z;
    m.M21 = y.x, m.M22 = y.y, m.M23 = y.z;
    m.M31 = z.x, m.M32 = z.y, m.M33 = z.z;
    m.M41 = origin.x, m.M42 = origin.y, m.M43 = origin.z;
    return m;
}

} // namespace

Lumo::Objects::ADevMatrix BillboardPlacement::apply(const Lumo::Graphics::Billboard& billboard,
                                                    const Lumo::Objects::ADevMatrix& transform, const Camera& camera)
{
    const Lumo::float3 right = camera.right(), up = camera.up(), back = -camera.getViewDirection();
    const Lumo::float3 origin = transform.transformPoint({});
    if (billboard.kind == 0) {
        return frame(right * Lumo::length(transform.transformVector({1, 0, 0})),
                     up * Lumo::length(transform.transformVector({0, 1, 0})),
                     back * Lumo::length(transform.transformVector({0, 0, 1})), origin);
    }
    const float pixelsPerUnit = billboard.FixedScaleFactor;
    if (billboard.kind != 1 || !(pixelsPerUnit > 0.0f) || !std::isfinite(pixelsPerUnit))
        return transform;
    Lumo::Objects::ADevMatrix placed = transform;
    if (billboard.useScreenPosition) {
        screenPlane(camera, billboard.ScreenPosition, camera.depthOf(origin), pixelsPerUnit, false, placed);
        return placed;
    }
    const Lumo::float3 anchor = transform.transformPoint(billboard.AnchorPosition);
    const float worldPerUnit = pixelsPerUnit / camera.pixelsPerWorldUnitAt(anchor);
    if (!Lumo::isFinite(anchor) || !(worldPerUnit > 0.0f) || !std::isfinite(worldPerUnit))
        return transform;
    return frame(right * worldPerUnit, up * worldPerUnit, back * worldPerUnit, anchor);
}

bool BillboardPlacement::screenPlane(const Camera& camera, const Lumo::vec2<float>& screenPoint, float depth,
                                     float pixelsPerUnit, bool yDown, Lumo::Objects::ADevMatrix& placed)
{
    if (!Lumo::isFinite(screenPoint) || !std::isfinite(depth) || !(pixelsPerUnit > 0.0f) || !std::isfinite(pixelsPerUnit))
        return false;
    const auto ray = camera.getPickRay(screenPoint);
    const Lumo::float3 forward = camera.getViewDirection();
    const float approach = Lumo::dot(Lumo::float3(ray.direction()), forward);
    if (!(approach > 0.0f))
        return false;
    const float planeDepth = std::max(depth, camera.nearPlane());
    const Lumo::float3 origin = ray.pointAt((planeDepth - camera.depthOf(ray.origin())) / approach);
    const float worldPerUnit = pixelsPerUnit / camera.pixelsPerWorldUnitAt(origin);
    if (!Lumo::isFinite(origin) || !(worldPerUnit > 0.0f) || !std::isfinite(worldPerUnit))
        return false;
    const Lumo::float3 right = camera.right() * worldPerUnit, up = camera.up() * worldPerUnit;
    placed = yDown ? frame(right, -up, forward * worldPerUnit, origin) : frame(right, up, -forward * worldPerUnit, origin);
    return true;
}

} // namespace Kairn::Graphics
