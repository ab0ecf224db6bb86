#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

namespace Kairn::Graphics {

// A closed solid cylinder: its base disc is centred on the local origin in the XY plane and it
// extends along +Z by its height (defaults: radius 1, height 1). Picked exactly, caps included.
// A non-positive or non-finite radius or height is ignored.
class VyrCylinderNode : public VyrGraphicsNode, public NetObjectCountImpl<VyrCylinderNode>
{
public:
    NET_OBJECT_COUNT_OF(VyrCylinderNode);

    static VyrCylinderNode* createGraphicsNode();
    // Null scene: returns null and creates nothing.
    static VyrCylinderNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    void setRadius(float radius);
    float getRadius() const { return m_radius; }
    void setHeight(float height);
    float getHeight() const { return m_height; }

    Kairn::Objects::Box<double> getUntransformedBounds() const override;
    bool intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context, float& t,
                           Lumo::float3& localPoint) const override;

protected:
    VyrCylinderNode() = default;

private:
    float m_radius = 1.0f;
    float m_height = 1.0f;
};

} // namespace Kairn::Graphics
