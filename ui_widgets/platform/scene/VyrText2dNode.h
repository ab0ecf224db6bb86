#pragma once

#include "ui_widgets/platform/scene/VyrTextNode.h"

namespace Kairn::Graphics {

// Screen-space text: drawn at the font size in pixels, whatever the node's scale or distance,
// in a rectangle whose top-left corner is the projection of the node's local origin (text runs
// to the right and downward on screen). It carries no billboard of its own. Picked where the
// mouse falls inside that rectangle; the hit point lies on the pick ray at the origin's depth.
// It has no extent in world units: its bounds are empty.
class VyrText2dNode : public VyrTextNode, public NetObjectCountImpl<VyrText2dNode>
{
public:
    NET_OBJECT_COUNT_OF(VyrText2dNode);

    static VyrText2dNode* createGraphicsNode();
    // Null scene: returns null and creates nothing.
    static VyrText2dNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    Kairn::Objects::Box<double> getUntransformedBounds() const override;
    bool intersectWorldRay(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context, float& distance,
                           Lumo::float3& worldPoint) const override;
    // The text's pixel rectangle carried into the world at the depth of its origin, where
    // intersectWorldRay hits it.
    bool ownPickBounds(const PickContext& context, PickBox& box, bool& viewDependent) const override;

protected:
    VyrText2dNode() = default;
};

} // namespace Kairn::Graphics
