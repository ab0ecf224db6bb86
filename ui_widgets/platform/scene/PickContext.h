#pragma once

#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/Vec.h"

#include <functional>

namespace Kairn::Graphics {

class Camera;

// What a ray hit test needs besides the ray. The picking tool fills the first group of fields
// once per pick; VyrGraphicsNode::pickRay fills the second group for each node before it calls
// the node's local hit test, so that a curve can be hit within a few pixels on screen.
struct PickContext
{
    float pixelTolerance = 4.0f;
    bool includeHidden = false;
    // Pixels per world unit at a world point (the camera's scale there). Empty: no constant
    // screen size is applied and the tolerance is 0.
    std::function<float(const Lumo::float3&)> pixelsPerWorldUnitAt;
    const Camera* camera = nullptr;

    // Per node: its draw transform, and how many of its local units one world unit spans along
    // the pick ray.
    Lumo::Objects::ADevMatrix localToWorld;
    float localUnitsPerWorldUnit = 1.0f;

    Lumo::float3 toWorld(const Lumo::float3& localPoint) const { return localToWorld.transformPoint(localPoint); }

    // The pixel tolerance in the node's local units at a local point.
    float localToleranceAt(const Lumo::float3& localPoint) const
    {
        if (!pixelsPerWorldUnitAt)
            return 0.0f;
        const float pixelsPerUnit = pixelsPerWorldUnitAt(toWorld(localPoint));
        if (!(pixelsPerUnit > 0))
            return 0.0f;
        return pixelTolerance / pixelsPerUnit * localUnitsPerWorldUnit;
    }
};

} // namespace Kairn::Graphics
