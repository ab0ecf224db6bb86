#include "ui_widgets/platform/scene/VyrPolyline2dNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/BillboardPlacement.h"
#include "ui_widgets/platform/scene/Camera.h"

namespace Kairn::Graphics {

VyrPolyline2dNode* VyrPolyline2dNode::createGraphicsNode()
{
    auto* node = new VyrPolyline2dNode();
    node->init();
    return node;
}

VyrPolyline2dNode* VyrPolyline2dNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrPolyline2dNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

const Lumo::Objects::UString* VyrPolyline2dNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrPolyline2dNode");
    return id;
}

const Lumo::Objects::UString* VyrPolyline2dNode::ClassName() const
{
    return InterfaceID();
}

void* VyrPolyline2dNode::GetInterface(const Lumo::Objects::UString* id)
{
    return id == InterfaceID() ? this : VyrPolylineNode::GetInterface(id);
}

Lumo::Objects::ADevMatrix VyrPolyline2dNode::placeInView(const Lumo::Objects::ADevMatrix& placed,
                                                         const Camera& camera) const
{
    Lumo::Objects::ADevMatrix onScreen = placed;
    BillboardPlacement::screenPlane(camera, {0.0f, 0.0f}, camera.depthOf(placed.transformPoint({})), 1.0f, true, onScreen);
    return onScreen;
}

bool VyrPolyline2dNode::isPlacedInView() const
{
    return true;
}

} // namespace Kairn::Graphics
