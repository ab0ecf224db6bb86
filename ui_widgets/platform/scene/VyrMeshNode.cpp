#include "ui_widgets/platform/scene/VyrMeshNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/MeshRayIntersector.h"
#include "ui_widgets/platform/scene/ObjMeshReader.h"
#include "ui_widgets/platform/scene/TriangleMesh.h"

#include <mutex>

namespace Kairn::Graphics {

struct VyrMeshNode::SharedMesh
{
    explicit SharedMesh(const TriangleMesh& m) : mesh(m) {}

    const MeshRayIntersector& intersector() const
    {
        std::call_once(built, [this] { bvh = std::make_unique<MeshRayIntersector>(mesh); });
        return *bvh;
    }

    TriangleMesh mesh;
    mutable std::once_flag built;
    mutable std::unique_ptr<MeshRayIntersector> bvh;
};

VyrMeshNode* VyrMeshNode::createGraphicsNode()
{
    auto* node = new VyrMeshNode();
    node->init();
    return node;
}

VyrMeshNode* VyrMeshNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrMeshNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

const Lumo::Objects::UString* VyrMeshNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrMeshNode");
    return id;
}

const Lumo::Objects::UString* VyrMeshNode::ClassName() const
{
    return InterfaceID();
}

void* VyrMeshNode::GetInterface(const Lumo::Objects::UString* id)
{
    return id == InterfaceID() ? this : VyrGraphicsNode::GetInterface(id);
}

bool VyrMeshNode::loadFromFileSynchronously(const QString& path)
{
    TriangleMesh loaded;
    return ObjMeshReader::read(path, loaded) && setMesh(loaded);
}

bool VyrMeshNode::setMesh(const TriangleMesh& mesh)
{
    if (mesh.isEmpty() && mesh.vertexCount() == 0) {
        m_shared.reset();
    } else {
        if (!mesh.isValid())
            return false;
        m_shared = std::make_shared<const SharedMesh>(mesh);
    }
    update();
    return true;
}

const TriangleMesh* VyrMeshNode::mesh() const
{
    return m_shared ? &m_shared->mesh : nullptr;
}

Kairn::Objects::Box<double> VyrMeshNode::getUntransformedBounds() const
{
    if (!m_shared)
        return {};
    const Kairn::Objects::Box<float> b = m_shared->mesh.bounds();
    if (b.isEmpty())
        return {};
    return {b.min().toDouble(), b.max().toDouble()};
}

bool VyrMeshNode::intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext&, float& t,
                                    Lumo::float3& localPoint) const
{
    if (!m_shared)
        return false;
    const auto hit = m_shared->intersector().intersect(localRay);
    if (!hit)
        return false;
    t = hit->t;
    localPoint = hit->point;
    return true;
}

bool VyrMeshNode::intersectSurface(const Kairn::Objects::Ray3<float>& worldRay,
                                   const Lumo::Objects::ADevMatrix& localToWorld, Lumo::float3& worldPoint,
                                   Lumo::float3& worldNormal) const
{
    Lumo::Objects::ADevMatrix toLocal;
    if (!m_shared || !Lumo::Objects::ADevMatrix::Invert(localToWorld, toLocal))
        return false;
    const Kairn::Objects::Ray3<float> localRay(toLocal.transformPoint(worldRay.origin()),
                                               toLocal.transformVector(worldRay.direction()));
    const auto hit = m_shared->intersector().intersect(localRay);
    if (!hit)
        return false;
    // Normals map with the inverse transpose: n' = n . transpose(inverse).
    const Lumo::float3& n = hit->normal;
    const Lumo::Objects::ADevMatrix& m = toLocal;
    Lumo::float3 normal = Lumo::normalized(Lumo::float3{m.M11 * n.x + m.M12 * n.y + m.M13 * n.z,
                                                        m.M21 * n.x + m.M22 * n.y + m.M23 * n.z,
                                                        m.M31 * n.x + m.M32 * n.y + m.M33 * n.z});
    if (Lumo::dot(normal, Lumo::float3(worldRay.direction())) > 0.0f)
        normal = -normal;
    worldPoint = localToWorld.transformPoint(hit->point);
    worldNormal = normal;
    return true;
}

} // namespace Kairn::Graphics
