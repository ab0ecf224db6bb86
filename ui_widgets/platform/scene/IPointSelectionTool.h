#pragma once

#include "ui_widgets/platform/math/Vec.h"
#include "ui_widgets/platform/math/Vector3.h"

namespace Lumo::Graphics {
class RenderNode;
}

namespace Kairn::Graphics {

class PointSelectionToolSettings;

// Picks the scene of one viewport at a screen point (pixels from the top-left). Which scene item
// types a tool sees depends on the kind it was created with (see GraphicsSystem).
class IPointSelectionTool
{
public:
    virtual ~IPointSelectionTool() = default;

    virtual int kind() const = 0;
    virtual PointSelectionToolSettings* settings() = 0;

    // The nearest visible, pickable node under the point, or null. On a hit, worldPoint gets the
    // world hit point, distance (when given) its distance from the ray origin, subIndex (when
    // given) the part of the node hit (segment, triangle), else -1. Nothing is written on a miss.
    virtual Lumo::Graphics::RenderNode* pick(const Lumo::vec2<float>& screenPoint,
                                             Kairn::Objects::Vector3<float>& worldPoint, float* distance = nullptr,
                                             int* subIndex = nullptr) = 0;

    // The nearest mesh surface under the point: true with the world point and the unit surface
    // normal turned toward the viewer; false, writing nothing, when no mesh is hit.
    virtual bool pickSurface(const Lumo::vec2<float>& screenPoint, Kairn::Objects::Vector3<float>& point,
                             Kairn::Objects::Vector3<float>& normal) = 0;
};

} // namespace Kairn::Graphics
