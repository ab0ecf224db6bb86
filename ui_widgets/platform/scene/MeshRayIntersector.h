#pragma once

#include "ui_widgets/platform/math/Ray3.h"
#include "ui_widgets/platform/math/Vec.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

namespace Kairn::Graphics {

class TriangleMesh;

// Finds where rays meet a triangle mesh through a bounding volume hierarchy built once, at
// construction, so that a pick costs a tree descent rather than a test of every triangle. The
// intersector copies the geometry: the mesh may change or go away afterwards. Queries on one
// intersector may run from several threads at once.
class MeshRayIntersector
{
public:
    // Where a ray first met the mesh.
    struct Hit
    {
        float t = 0.0f;              // in units of the ray's direction: point = ray.pointAt(t)
        Lumo::float3 point;
        Lumo::float3 normal;         // unit normal of the triangle, on the side the ray came from
        std::uint32_t triangle = 0;  // index of the triangle in the mesh
    };

    // An invalid mesh (see TriangleMesh::isValid) gives an intersector that hits nothing.
    explicit MeshRayIntersector(const TriangleMesh& mesh);
    ~MeshRayIntersector();
    MeshRayIntersector(const MeshRayIntersector&) = delete;
    MeshRayIntersector& operator=(const MeshRayIntersector&) = delete;
    MeshRayIntersector(MeshRayIntersector&& other) noexcept;
    MeshRayIntersector& operator=(MeshRayIntersector&& other) noexcept;

    // False when the mesh was invalid or the hierarchy could not be built.
    bool isValid() const { return m_scene != nullptr; }
    std::size_t triangleCount() const { return m_triangleCount; }

    // The nearest hit with 0 < t <= tMax; a ray that starts on the surface passes through it. A
    // ray that is not valid (zero or non-finite direction, non-finite origin) or a negative or
    // NaN tMax hits nothing.
    std::optional<Hit> intersect(const Kairn::Objects::Ray3<float>& ray,
                                 float tMax = std::numeric_limits<float>::infinity()) const;

private:
    void release();

    void* m_scene = nullptr; // the Embree scene, kept opaque so that callers need no Embree headers
    std::size_t m_triangleCount = 0;
};

} // namespace Kairn::Graphics
