#pragma once

#include "viewer/render/Tessellation.h"

#include <vector>

namespace Viewer {

// Triangle and line tessellations of the scene library's primitives in their own frames: circle,
// disc and torus lie in the XY plane around the origin, the sphere is centred on the origin, and
// cone and cylinder stand on a base centred on the origin and rise along +Z.
class PrimitiveTessellator
{
public:
    static Tessellation sphere(float radius);
    static Tessellation cone(float radius, float height);
    static Tessellation cylinder(float radius, float height);
    static Tessellation torus(float majorRadius, float minorRadius);
    static Tessellation disc(float radius);
    static Tessellation circleOutline(float radius, int segments = Segments);
    static Tessellation polyline(const std::vector<QVector3D>& points, bool closed);
    // The filled polygon through the points, triangulated in its best-fitting plane.
    static Tessellation polygon(const std::vector<QVector3D>& points);
    // A textured rectangle in the XY plane from `corner` spanning `size`, texture row 0 at the top.
    static Tessellation rectangle(const QVector2D& corner, const QVector2D& size);

    // Segments per full turn: fine enough that a ring a few hundred pixels wide looks round.
    static constexpr int Segments = 64;
};

} // namespace Viewer
