#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

namespace Kairn::Graphics {

// A closed solid cone: its base disc is centred on the local origin in the XY plane and its apex
// lies at (0, 0, height) (defaults: radius 0.5, height 1). Picked exactly, base included.
// A non-positive or non-finite radius or height is ignored.
class VyrConeNode : public VyrGraphicsNode, public NetObjectCountImpl<VyrConeNode>
{
public:
    NET_OBJECT_COUNT_OF(VyrConeNode);

    static VyrConeNode* createGraphicsNode();
    // Null scene: returns null and creates nothing.
    static VyrConeNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

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
    VyrConeNode() = default;

private:
    float m_radius = 0.5f;
    float m_height = 1.0f;
};

} // namespace Kairn::Graphics
