#pragma once

#include "ui_widgets/platform/math/Box.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <cstddef>

namespace Kairn::Graphics {

// Meshes generated from formulas, with unit vertex normals and counter-clockwise winding seen
// from outside: simple solids whose hits can be worked out by hand, and a detailed model whose
// size can be chosen for viewers and benchmarks. Arguments that cannot give a mesh (a
// non-positive or non-finite size, too few subdivisions) give an empty mesh.
class ProceduralMeshes
{
public:
    // A sphere around the origin with `rings` bands from pole to pole (at least 2) and `segments`
    // slices around the Z axis (at least 3): 2 * segments * (rings - 1) triangles whose corners lie
    // on the sphere.
    static TriangleMesh uvSphere(float radius, int rings, int segments);

    // The given box: 12 triangles, four vertices per face so that each face keeps its own flat
    // normal. An empty, flat or non-finite box gives an empty mesh.
    static TriangleMesh box(const Kairn::Objects::Box<float>& bounds);

    // A bumpy (2, 3) torus-knot tube about 2.5 units across, centred on the origin, with close to
    // `approximateTriangleCount` triangles (at least 64 x 8 x 2). It is one closed surface with
    // curvature in every direction, so it exercises picking and shading like a scanned model does.
    static TriangleMesh bumpyTorusKnot(std::size_t approximateTriangleCount);
};

} // namespace Kairn::Graphics
