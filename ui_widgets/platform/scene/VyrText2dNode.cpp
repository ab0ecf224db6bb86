#include "ui_widgets/platform/scene/VyrText2dNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/PickBoundsHierarchy.h"
#include "ui_widgets/platform/scene/ScreenSpacePicking.h"

#include <cmath>

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

bool VyrText2dNode::ownPickBounds(const PickContext& context, PickBox& box, bool& viewDependent) const
{
    viewDependent = true;
    const QSizeF size = textSizeInPixels();
    if (!context.camera || size.isEmpty())
        return true;
    const Camera& camera = *context.camera;
    const Lumo::float3 anchor = context.toWorld({});
    const Lumo::vec2<float> topLeft = camera.projectToScreen(anchor);
    PickBox rectangle;
    for (int corner = 0; corner < 4; ++corner) {
        const Lumo::vec2<float> screenPoint{topLeft.x + (corner & 1 ? float(size.width()) : 0.0f),
                                            topLeft.y + (corner & 2 ? float(size.height()) : 0.0f)};
        const Kairn::Objects::Ray3<float> ray = camera.getPickRay(screenPoint);
        const Lumo::float3 origin = ray.origin(), direction = ray.direction();
        const float approach = Lumo::dot(direction, camera.getViewDirection());
        if (!(approach > 1e-6f))
            return false;
        const float along = (camera.depthOf(anchor) - camera.depthOf(origin)) / approach;
        // Behind where the pick rays start: never hit (see ScreenSpacePicking::screenOffsetFrom).
        if (!(along >= 0.0f))
            return std::isfinite(along);
        const Lumo::float3 p = origin + direction * along;
        if (!Lumo::isFinite(p))
            return false;
        rectangle.extend(p);
    }
    rectangle.inflate(0.0f);
    box.extend(rectangle);
    return true;
}

} // namespace Kairn::Graphics
