#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

namespace Kairn::Graphics {

// A circle of the given radius (default 1) in the local XY plane, centred on the origin: an
// outline, or a filled disc when fillable. A disc is picked exactly; an outline within the pick
// tolerance in pixels of its rim (drawn and picked as a polygon of outlineSegmentCount sides),
// measured in world space, so a circle squashed flat by a singular transform is still hit.
// A non-positive or non-finite radius is ignored.
class VyrCircleNode : public VyrGraphicsNode, public NetObjectCountImpl<VyrCircleNode>
{
public:
    NET_OBJECT_COUNT_OF(VyrCircleNode);

    static VyrCircleNode* createGraphicsNode();
    // Null scene: returns null and creates nothing.
    static VyrCircleNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    static constexpr int outlineSegmentCount = 96;

    void setRadius(float radius);
    float getRadius() const { return m_radius; }
    void setFillable(bool fillable);
    bool isFillable() const { return m_fillable; }
    // Outline width in pixels.
    void setWeight(float pixels);
    float getWeight() const { return m_weight; }

    Kairn::Objects::Box<double> getUntransformedBounds() const override;
    float ownPickTolerancePixels(const PickContext& context) const override;
    bool intersectWorldRay(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context, float& distance,
                           Lumo::float3& worldPoint) const override;
    // The disc only; an outline is hit in world space by intersectWorldRay.
    bool intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext& context, float& t,
                           Lumo::float3& localPoint) const override;

protected:
    VyrCircleNode() = default;

private:
    float m_radius = 1.0f;
    bool m_fillable = false;
    float m_weight = 1.0f;
};

} // namespace Kairn::Graphics
