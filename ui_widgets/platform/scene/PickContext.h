#pragma once

#include "ui_widgets/platform/math/ADevMatrix.h"
#include "ui_widgets/platform/math/Vec.h"

namespace Kairn::Graphics {

class Camera;

// What a ray hit test needs besides the ray. The picking tool fills the first group of fields
// once per pick; VyrGraphicsNode::pickRay fills localToWorld for each node before it calls the
// node's hit test.
struct PickContext
{
    // Curves and screen-space nodes are hit within this many pixels.
    float pixelTolerance = 4.0f;
    bool includeHidden = false;
    // The view: draw transforms (constant screen size, billboards) and pixel measures follow it.
    // Null: nodes are picked under their full transforms, and curves and screen-space nodes,
    // which are measured in pixels, are not hit.
    const Camera* camera = nullptr;

    // Per node: its draw transform.
    Lumo::Objects::ADevMatrix localToWorld;

    Lumo::float3 toWorld(const Lumo::float3& localPoint) const { return localToWorld.transformPoint(localPoint); }
};

} // namespace Kairn::Graphics
