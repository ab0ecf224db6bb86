#pragma once

#include "viewer/render/NodeShape.h"

namespace Kairn::Graphics {
class TriangleMesh;
class VyrCircleNode;
class VyrConeNode;
class VyrCylinderNode;
class VyrLineSegmentNode;
class VyrPolylineNode;
class VyrSphereNode;
class VyrTextNode;
class VyrTorusNode;
} // namespace Kairn::Graphics

namespace Viewer {

// The shape of each kind of scene-layer node in its own frame, the way the node is picked:
// circles as the scene layer's outline polygon, text boxes at the measured text size, flat
// polylines in their XY plane.
class NodeTessellator
{
public:
    static NodeShape sphere(const Kairn::Graphics::VyrSphereNode& node);
    static NodeShape cone(const Kairn::Graphics::VyrConeNode& node);
    static NodeShape cylinder(const Kairn::Graphics::VyrCylinderNode& node);
    static NodeShape torus(const Kairn::Graphics::VyrTorusNode& node);
    static NodeShape circle(const Kairn::Graphics::VyrCircleNode& node);
    static NodeShape lineSegment(const Kairn::Graphics::VyrLineSegmentNode& node);
    static NodeShape polylineOutline(const Kairn::Graphics::VyrPolylineNode& node);
    static NodeShape polylineFill(const Kairn::Graphics::VyrPolylineNode& node);
    static NodeShape mesh(const Kairn::Graphics::TriangleMesh& mesh);
    // A world-sized text quad centred on the origin.
    static NodeShape worldText(const Kairn::Graphics::VyrTextNode& node);
    // A screen text box in pixels (x right, y up as every local frame): top-left corner at the
    // origin, rasterized for `devicePixelRatio`.
    static NodeShape screenText(const Kairn::Graphics::VyrTextNode& node, qreal devicePixelRatio);

    // Image pixels per font pixel of world-sized text: sharp enough at a close look.
    static constexpr qreal WorldTextResolution = 3.0;
};

} // namespace Viewer
