#pragma once

#include "ui_widgets/platform/scene/VyrPolylineNode.h"

namespace Kairn::Graphics {

// A polyline in screen space: its points are pixel positions in the view, x to the right and y
// downward from the top-left corner (the z of a point is ignored), the same positions that a
// kind-1 billboard's ScreenPosition and VyrText2dNode use. Its draw transform lays that pixel
// plane on a plane facing the camera at the depth of the node's placed origin, one local unit per
// pixel, so a renderer draws the points as they are and picks follow them: the outline within
// the pick tolerance, the fill exactly. The node's rotation, scale, constant screen size and
// billboard do not change where it is drawn; its position and world matrix give only the depth
// (for which hit is the nearest). Its bounds are in pixels. Without a camera (a pick context
// that has none) it is placed in its local XY plane under its full transform.
// Otherwise as VyrPolylineNode.
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

    Lumo::Objects::ADevMatrix placeInView(const Lumo::Objects::ADevMatrix& placed, const Camera& camera) const override;
    bool isPlacedInView() const override;
};

} // namespace Kairn::Graphics
