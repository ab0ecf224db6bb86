#pragma once

#include "ui_widgets/platform/math/Vec.h"

#include <limits>

namespace Kairn::Graphics {

class VyrGraphicsNode;

// The nearest hit found so far by VyrGraphicsNode::pickRay: the node whose geometry was hit, the
// distance from the ray origin along the unit world ray, the world point and, for nodes made of
// parts (polyline segments, mesh triangles), the index of the part.
struct PickHit
{
    VyrGraphicsNode* node = nullptr;
    float distance = std::numeric_limits<float>::infinity();
    Lumo::float3 worldPoint;
    int subIndex = -1;
};

} // namespace Kairn::Graphics
