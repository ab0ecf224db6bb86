#pragma once

#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <map>
#include <utility>

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

// Divergence theorem: positive for a closed surface wound counter-clockwise seen from outside.
inline float signedVolume(const Kairn::Graphics::TriangleMesh& mesh)
{
    float sum = 0.0f;
    for (std::size_t t = 0; t < mesh.triangleCount(); ++t)
        sum += Lumo::dot(corner(mesh, t, 0), Lumo::cross(corner(mesh, t, 1), corner(mesh, t, 2))) / 6.0f;
    return sum;
}

// A closed, consistently wound surface uses every directed edge once and its reverse once.
inline bool isClosedAndConsistentlyWound(const Kairn::Graphics::TriangleMesh& mesh)
{
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> edges;
    for (std::size_t t = 0; t < mesh.triangleCount(); ++t)
        for (int k = 0; k < 3; ++k)
            ++edges[{mesh.indices()[3 * t + k], mesh.indices()[3 * t + (k + 1) % 3]}];
    for (const auto& [edge, uses] : edges) {
        const auto reverse = edges.find({edge.second, edge.first});
        if (uses != 1 || reverse == edges.end() || reverse->second != 1)
            return false;
    }
    return true;
}

} // namespace MeshChecks
