#pragma once

#include "ui_widgets/platform/scene/NetObjectCountImpl.h"
#include "ui_widgets/platform/scene/VyrPolylineNode.h"

namespace Velto::UiWidget {

// A closed 1 x 1 square outline in its own XY plane, centred on its origin, that can be filled
// with setFillable. It reports its frame from its first three corners p0, p1, p2: centre
// (p0 + p2) / 2, X along p1 - p0, Y along p2 - p1, Z = X x Y, thickness 0. So the direction and
// length operations of every node aim and size the outline as a flat rectangle.
class VyrHollowPlaneNode : public Kairn::Graphics::VyrPolylineNode, public NetObjectCountImpl<VyrHollowPlaneNode>
{
public:
    VyrHollowPlaneNode(const VyrHollowPlaneNode& other);
    VyrHollowPlaneNode& operator=(const VyrHollowPlaneNode& other);
    ~VyrHollowPlaneNode() override;

    static VyrHollowPlaneNode* createGraphicsNode();
    static VyrHollowPlaneNode* createAndAddGraphicsNode(Kairn::Graphics::IScene* scene,
                                                        Kairn::Graphics::SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    NET_OBJECT_COUNT_OF(VyrHollowPlaneNode);

    // With fewer than three points there is no rectangle to read: the outline then answers as
    // any polyline does, from its bounds.
    Lumo::float3 getUntransformedPosition() const override;
    Lumo::float3 getUntransformedXDirection() const override;
    Lumo::float3 getUntransformedYDirection() const override;
    Lumo::float3 getUntransformedZDirection() const override;
    float getUntransformedXLength() const override;
    float getUntransformedYLength() const override;
    float getUntransformedZLength() const override;

protected:
    VyrHollowPlaneNode();
    void init() override;

private:
    bool hasFrame() const;
    Lumo::float3 corner(int index) const;
};

} // namespace Velto::UiWidget
