#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include <QString>

#include <memory>

namespace Kairn::Graphics {

class MeshRayIntersector;
class TriangleMesh;

// A triangle mesh, picked exactly. The ray structure (a BVH) is built on the first pick after the
// mesh was set and then reused; copies of the node share the mesh and its BVH.
class VyrMeshNode : public VyrGraphicsNode, public NetObjectCountImpl<VyrMeshNode>
{
public:
    NET_OBJECT_COUNT_OF(VyrMeshNode);

    static VyrMeshNode* createGraphicsNode();
    // Null scene: returns null and creates nothing.
    static VyrMeshNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    // Reads a Wavefront OBJ file (or Qt resource). On failure (missing, unreadable or corrupt
    // file) returns false and keeps the mesh the node had.
    bool loadFromFileSynchronously(const QString& path);
    // An invalid mesh (see TriangleMesh::isValid) is refused, keeping the current one; an empty
    // mesh clears the node.
    bool setMesh(const TriangleMesh& mesh);
    // Null when the node has no mesh.
    const TriangleMesh* mesh() const;

    // The nearest surface point of the mesh drawn with the given transform along the world ray,
    // with the unit surface normal turned toward the ray's origin side.
    bool intersectSurface(const Kairn::Objects::Ray3<float>& worldRay, const Lumo::Objects::ADevMatrix& localToWorld,
                          Lumo::float3& worldPoint, Lumo::float3& worldNormal) const;

    Kairn::Objects::Box<double> getUntransformedBounds() const override;
    bool intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context, float& t,
                           Lumo::float3& localPoint) const override;

protected:
    VyrMeshNode() = default;

private:
    struct SharedMesh;

    std::shared_ptr<const SharedMesh> m_shared;
};

} // namespace Kairn::Graphics
