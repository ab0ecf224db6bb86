// OBJ bytes as a file would bring them: the reader either fails with a reason and leaves the mesh
// alone, or gives a valid mesh that the picking BVH builds from and a ray can be cast through.

#include "ui_widgets/platform/scene/MeshRayIntersector.h"
#include "ui_widgets/platform/scene/ObjMeshReader.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace Kairn::Graphics;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TriangleMesh mesh;
    QString error;
    if (!ObjMeshReader::parse(bytes, QStringLiteral("input"), mesh, &error)) {
        if (error.isEmpty() || !mesh.isEmpty())
            std::abort();
        return 0;
    }
    if (!mesh.isValid())
        std::abort();
    const MeshRayIntersector bvh(mesh);
    const Kairn::Objects::Box<float> bounds = mesh.bounds();
    bvh.intersect({bounds.center() + Kairn::Objects::Vector3<float>(0, 0, 1), {0, 0, -1}});
    return 0;
}
