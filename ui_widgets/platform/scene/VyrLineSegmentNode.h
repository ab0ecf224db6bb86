#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

namespace Kairn::Graphics {

// A straight line from its start point to its end point (defaults (0, 0, 0) and (0, 0, 1)),
// drawn weight pixels wide and picked within the pick tolerance in pixels (or half its weight,
// if wider), measured in world space, so it is hit even under a singular transform. Its frame
// starts at the start point with Z along the segment, so setPosition moves the start and
// setZDirection aims the segment. Non-finite points are ignored.
class VyrLineSegmentNode : public VyrGraphicsNode, public NetObjectCountImpl<VyrLineSegmentNode>
{
public:
    NET_OBJECT_COUNT_OF(VyrLineSegmentNode);

    static VyrLineSegmentNode* createGraphicsNode();
    // Null scene: returns null and creates nothing.
    static VyrLineSegmentNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    void setStartPoint(const Lumo::float3& point);
    Lumo::float3 getStartPoint() const { return m_start; }
    void setEndPoint(const Lumo::float3& point);
    Lumo::float3 getEndPoint() const { return m_end; }
    // Line width in pixels.
    void setWeight(float pixels);
    float getWeight() const { return m_weight; }

    Lumo::float3 getUntransformedPosition() const override { return m_start; }
    Lumo::float3 getUntransformedXDirection() const override;
    Lumo::float3 getUntransformedYDirection() const override;
    Lumo::float3 getUntransformedZDirection() const override;
    float getUntransformedXLength() const override { return 0.0f; }
    float getUntransformedYLength() const override { return 0.0f; }
    float getUntransformedZLength() const override { return Lumo::length(m_end - m_start); }

    Kairn::Objects::Box<double> getUntransformedBounds() const override;
    float ownPickTolerancePixels(const PickContext& context) const override;
    bool intersectWorldRay(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context, float& distance,
                           Lumo::float3& worldPoint) const override;

protected:
    VyrLineSegmentNode() = default;

private:
    Lumo::float3 m_start;
    Lumo::float3 m_end{0.0f, 0.0f, 1.0f};
    float m_weight = 1.0f;
};

} // namespace Kairn::Graphics
