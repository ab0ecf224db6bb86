#include "viewer/render/ClosedSurfaceCheck.h"

#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <cstring>
#include <unordered_map>
#include <vector>

namespace Viewer {

namespace {

struct PositionHash
{
    std::size_t operator()(const Lumo::float3& p) const
    {
        std::uint32_t bits[3];
        std::memcpy(bits, &p, sizeof bits);
        return (std::size_t(bits[0]) * 73856093u) ^ (std::size_t(bits[1]) * 19349663u)
               ^ (std::size_t(bits[2]) * 83492791u);
    }
};

struct PositionEqual
{
    bool operator()(const Lumo::float3& a, const Lumo::float3& b) const { return a == b; }
};

} // namespace

Tessellation::HiddenFaces ClosedSurfaceCheck::hiddenFaces(const Kairn::Graphics::TriangleMesh& mesh)
{
    if (!mesh.isValid())
        return Tessellation::HiddenFaces::None;
    const auto& positions = mesh.positions();
    const auto& indices = mesh.indices();

    // Weld vertices that share a position: generators and OBJ files split them at seams.
    std::unordered_map<Lumo::float3, std::uint32_t, PositionHash, PositionEqual> welded;
    welded.reserve(positions.size());
    std::vector<std::uint32_t> weldedIndex(positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        weldedIndex[i] = welded.try_emplace(positions[i], static_cast<std::uint32_t>(welded.size())).first->second;

    // Each directed edge must occur once, and its reverse once.
    std::unordered_map<std::uint64_t, int> directedEdges;
    directedEdges.reserve(indices.size());
    const auto key = [](std::uint32_t from, std::uint32_t to) { return (std::uint64_t(from) << 32) | to; };
    double sixTimesVolume = 0.0;
    for (std::size_t t = 0; t + 2 < indices.size(); t += 3) {
        const std::uint32_t corner[3] = {weldedIndex[indices[t]], weldedIndex[indices[t + 1]],
                                         weldedIndex[indices[t + 2]]};
        for (int e = 0; e < 3; ++e)
            if (++directedEdges[key(corner[e], corner[(e + 1) % 3])] > 1)
                return Tessellation::HiddenFaces::None;
        const Lumo::float3& a = positions[indices[t]];
        const Lumo::float3& b = positions[indices[t + 1]];
        const Lumo::float3& c = positions[indices[t + 2]];
        sixTimesVolume += double(Lumo::dot(a, Lumo::cross(b, c)));
    }
    for (const auto& [edge, count] : directedEdges) {
        const auto from = static_cast<std::uint32_t>(edge >> 32);
        const auto to = static_cast<std::uint32_t>(edge & 0xffffffffu);
        if (!directedEdges.contains(key(to, from)))
            return Tessellation::HiddenFaces::None;
    }
    if (sixTimesVolume == 0.0)
        return Tessellation::HiddenFaces::None;
    // Positive volume: the outside is wound counter-clockwise, so clockwise faces look away.
    return sixTimesVolume > 0.0 ? Tessellation::HiddenFaces::Clockwise : Tessellation::HiddenFaces::CounterClockwise;
}

} // namespace Viewer
