#include "ui_widgets/platform/scene/PointSelectionTool.h"

#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/IScene.h"
#include "ui_widgets/platform/scene/PickContext.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"


namespace Kairn::Graphics {

PointSelectionTool::PointSelectionTool(Viewport* viewport, int kind) : m_viewport(viewport), m_kind(kind)
{
}

bool PointSelectionTool::seesItemType(int kind, SceneItemType type)
{
    if (kind == 1)
        return type != SceneItemModel && type != SceneItemOverlay;
    return type == kind;
}

bool PointSelectionTool::pickNearest(const Lumo::vec2<float>& screenPoint, Kairn::Objects::Ray3<float>& ray,
                                     PickHit& hit) const
{
    if (!m_viewport || !Lumo::isFinite(screenPoint))
        return false;
    const Camera* camera = m_viewport->getCamera();
    IScene* scene = m_viewport->getScene();
    ray = camera->getPickRay(screenPoint);
    PickContext context;
    context.pixelTolerance = pixelTolerance;
    context.includeHidden = m_settings.isIncludeHidden();
    context.camera = camera;
    const auto pickList = [&](SceneItemType type) {
        for (VyrGraphicsNode* node : scene->nodes(type)) {
            if (m_settings.isTaggedOnly() && node->attachmentCount() == 0)
                continue;
            node->pickRay(ray, context, hit);
        }
    };
    if (m_kind == 1) {
        for (const SceneItemType type : scene->itemTypes())
            if (seesItemType(m_kind, type))
                pickList(type);
    } else {
        pickList(m_kind);
    }
    return hit.node != nullptr;
}

Lumo::Graphics::RenderNode* PointSelectionTool::pick(const Lumo::vec2<float>& screenPoint,
                                                     Kairn::Objects::Vector3<float>& worldPoint, float* distance,
                                                     int* subIndex)
{
    Kairn::Objects::Ray3<float> ray;
    PickHit hit;
    if (!pickNearest(screenPoint, ray, hit))
        return nullptr;
    worldPoint = hit.worldPoint;
    if (distance)
        *distance = hit.distance;
    if (subIndex)
        *subIndex = hit.subIndex;
    return hit.node->getRenderNode();
}

bool PointSelectionTool::pickSurface(const Lumo::vec2<float>& screenPoint, Kairn::Objects::Vector3<float>& point,
                                     Kairn::Objects::Vector3<float>& normal)
{
    Kairn::Objects::Ray3<float> ray;
    PickHit hit;
    if (!pickNearest(screenPoint, ray, hit))
        return false;
    const auto* mesh = static_cast<const VyrMeshNode*>(hit.node->GetInterface(VyrMeshNode::InterfaceID()));
    if (!mesh)
        return false;
    Lumo::float3 surfacePoint, surfaceNormal;
    if (!mesh->intersectSurface(ray, mesh->getDrawTransform(*m_viewport->getCamera()), surfacePoint, surfaceNormal))
        return false;
    point = surfacePoint;
    normal = surfaceNormal;
    return true;
}

} // namespace Kairn::Graphics
