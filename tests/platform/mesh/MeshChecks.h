#pragma once

#include "ui_widgets/platform/scene/TriangleMesh.h"

namespace MeshChecks {

inline Lumo::float3 corner(const Kairn::Graphics::TriangleMesh& mesh, std::size_t triangle, int k)
{
    return mesh.positions()[mesh.indices()[3 * triangle + k]];
}

inline float totalArea(const Kairn::Graphics::TriangleMesh& mesh)
{
    float sum = 0.0f;
    for (std::size_t t = 0; t < mesh.triangleCount(); ++t)
        sum += 0.5f * Lumo::length(Lumo::cross(corner(mesh, t, 1) - corner(mesh, t, 0), corner(mesh, t, 2) - corner(mesh, t, 0)));
    return sum;
}

} // namespace MeshChecks
