#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

namespace Kairn::Graphics {

// A solid ring: a tube of the minor radius around the circle of the (major) radius in the local
// XY plane, centred on the origin (defaults: radius 1, minor radius 0.03125). Picked exactly.
// A negative major radius, a non-positive minor radius or a non-finite value is ignored.
class VyrTorusNode : public VyrGraphicsNode, public NetObjectCountImpl<VyrTorusNode>
{
public:
    NET_OBJECT_COUNT_OF(VyrTorusNode);

    static VyrTorusNode* createGraphicsNode();
    // Null scene: returns null and creates nothing.
    static VyrTorusNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    // The major radius: the radius of the tube's centre line.
    void setRadius(float radius);
    float getRadius() const { return m_radius; }
    void setMinorRadius(float radius);
    float getMinorRadius() const { return m_minorRadius; }

    Kairn::Objects::Box<double> getUntransformedBounds() const override;
    bool intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context, float& t,
                           Lumo::float3& localPoint) const override;

protected:
    VyrTorusNode() = default;

private:
    float m_radius = 1.0f;
    float m_minorRadius = 0.03125f;
};

} // namespace Kairn::Graphics
