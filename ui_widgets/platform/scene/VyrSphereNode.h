#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

namespace Kairn::Graphics {

// A solid sphere of the given radius (default 1) centred on the local origin; picked exactly.
// A non-positive or non-finite radius is ignored.
class VyrSphereNode : public VyrGraphicsNode, public NetObjectCountImpl<VyrSphereNode>
{
public:
    NET_OBJECT_COUNT_OF(VyrSphereNode);

    static VyrSphereNode* createGraphicsNode();
    // Null scene: returns null and creates nothing.
    static VyrSphereNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    void setRadius(float radius);
    float getRadius() const { return m_radius; }

    Kairn::Objects::Box<double> getUntransformedBounds() const override;
    bool intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context, float& t,
                           Lumo::float3& localPoint) const override;

protected:
    VyrSphereNode() = default;

private:
    float m_radius = 1.0f;
};

} // namespace Kairn::Graphics
