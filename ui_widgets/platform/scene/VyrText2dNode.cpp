#include "ui_widgets/platform/scene/VyrText2dNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/ScreenSpacePicking.h"

namespace Kairn::Graphics {

VyrText2dNode* VyrText2dNode::createGraphicsNode()
{
    auto* node = new VyrText2dNode();
    node->init();
    return node;
}

VyrText2dNode* VyrText2dNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrText2dNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

const Lumo::Objects::UString* VyrText2dNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrText2dNode");
    return id;
}

const Lumo::Objects::UString* VyrText2dNode::ClassName() const
{
    return InterfaceID();
}

void* VyrText2dNode::GetInterface(const Lumo::Objects::UString* id)
{
    return id == InterfaceID() ? this : VyrTextNode::GetInterface(id);
}

Kairn::Objects::Box<double> VyrText2dNode::getUntransformedBounds() const
{
    return {};
}

bool VyrText2dNode::intersectWorldRay(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context,
                                      float& distance, Lumo::float3& worldPoint) const
{
    const QSizeF size = textSizeInPixels();
    Lumo::vec2<float> offset;
    float crossing = 0.0f;
    if (size.isEmpty() || !ScreenSpacePicking::screenOffsetFrom(worldRay, context, {}, offset, crossing))
        return false;
    if (offset.x < 0.0f || offset.y < 0.0f || offset.x > size.width() || offset.y > size.height())
        return false;
    distance = crossing;
    worldPoint = worldRay.pointAt(crossing);
    return true;
}

} // namespace Kairn::Graphics
