#pragma once

#include "ui_widgets/platform/scene/VyrPolylineNode.h"

namespace Kairn::Graphics {

// A polyline drawn as a flat outline or polygon in its local XY plane: the z of its points is
// ignored. Otherwise as VyrPolylineNode.
class VyrPolyline2dNode : public VyrPolylineNode, public NetObjectCountImpl<VyrPolyline2dNode>
{
public:
    NET_OBJECT_COUNT_OF(VyrPolyline2dNode);

    static VyrPolyline2dNode* createGraphicsNode();
    // Null scene: returns null and creates nothing.
    static VyrPolyline2dNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

protected:
    VyrPolyline2dNode() { setFlat(true); }
};

} // namespace Kairn::Graphics
