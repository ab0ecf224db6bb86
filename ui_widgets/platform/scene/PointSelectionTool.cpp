#include "ui_widgets/platform/scene/PointSelectionTool.h"

#include "ui_widgets/platform/math/Matrix4.h"
#include "ui_widgets/platform/scene/BillboardPlacement.h"
#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/IScene.h"
#include "ui_widgets/platform/scene/PickContext.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"
#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"

#include <cmath>

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

struct PointSelectionTool::Walk
{
    const Camera& camera;
    const Kairn::Objects::Ray3<float>& ray;
    PickContext& context;
    PickHit& hit;
    Lumo::Objects::ADevMatrix hitTransform;
};

void PointSelectionTool::pickSubtree(VyrGraphicsNode* node, const Lumo::Objects::ADevMatrix* parentTransform,
                                     Walk& walk)
{
    if (!node || !node->isPickable() || (!node->isVisible() && !walk.context.includeHidden))
        return;
    using Lumo::Objects::ADevMatrix;
    ADevMatrix transform =
        parentTransform ? ADevMatrix::Multiply(node->getPoseMatrix(), *parentTransform) : node->getPoseMatrix();
    if (node->hasConstantScreenSize()) {
        const Lumo::float3 anchor = transform.transformPoint(node->constantScreenSizeAnchor());
        const float factor = node->constantScreenSizeScale(walk.camera.pixelsPerWorldUnitAt(anchor));
        transform = ADevMatrix::Multiply(transform, Kairn::Objects::Matrix4<float>::Scale({factor, factor, factor}, anchor));
    }
    if (const Lumo::Graphics::Billboard* billboard = node->getBillboard())
        transform = BillboardPlacement::apply(*billboard, transform, walk.camera);

    if (auto* withProxy = static_cast<VyrGraphicsNodeWithProxy*>(node->GetInterface(VyrGraphicsNodeWithProxy::InterfaceID()))) {
        pickSubtree(withProxy->getProxyNode(), &transform, walk);
        return;
    }

    ADevMatrix toLocal;
    if (ADevMatrix::Invert(transform, toLocal)) {
        const Lumo::float3 localDirection = toLocal.transformVector(walk.ray.direction());
        const float stretch = Lumo::length(localDirection);
        if (stretch > 0.0f && std::isfinite(stretch)) {
            walk.context.localToWorld = transform;
            walk.context.localUnitsPerWorldUnit = stretch;
            const Kairn::Objects::Ray3<float> localRay(toLocal.transformPoint(walk.ray.origin()), localDirection / stretch);
            float t = 0.0f;
            Lumo::float3 localPoint;
            if (node->intersectLocalRay(localRay, walk.context, t, localPoint) && t / stretch < walk.hit.distance) {
                walk.hit.node = node;
                walk.hit.distance = t / stretch;
                walk.hit.worldPoint = transform.transformPoint(localPoint);
                walk.hit.subIndex = -1;
                walk.hitTransform = transform;
            }
        }
    }
    // One pointer in the capture keeps the std::function free of heap allocations.
    struct Frame
    {
        const ADevMatrix* transform;
        Walk* walk;
    } frame{&transform, &walk};
    const Frame* children = &frame;
    node->enumerateSubNodes([children](VyrGraphicsNode* child) { pickSubtree(child, children->transform, *children->walk); });
}

bool PointSelectionTool::pickNearest(const Lumo::vec2<float>& screenPoint, Kairn::Objects::Ray3<float>& ray,
                                     PickHit& hit, Lumo::Objects::ADevMatrix* hitTransform) const
{
    if (!m_viewport || !Lumo::isFinite(screenPoint))
        return false;
    const Camera* camera = m_viewport->getCamera();
    IScene* scene = m_viewport->getScene();
    ray = camera->getPickRay(screenPoint);
    PickContext context;
    context.pixelTolerance = pixelTolerance;
    context.includeHidden = m_settings.isIncludeHidden();
    context.pixelsPerWorldUnitAt = [camera](const Lumo::float3& p) { return camera->pixelsPerWorldUnitAt(p); };
    context.camera = camera;
    Walk walk{*camera, ray, context, hit, {}};
    const auto pickList = [&](SceneItemType type) {
        for (VyrGraphicsNode* node : scene->nodes(type)) {
            if (m_settings.isTaggedOnly() && node->attachmentCount() == 0)
                continue;
            pickSubtree(node, nullptr, walk);
        }
    };
    if (m_kind == 1) {
        for (const SceneItemType type : scene->itemTypes())
            if (seesItemType(m_kind, type))
                pickList(type);
    } else {
        pickList(m_kind);
    }
    if (hitTransform)
        *hitTransform = walk.hitTransform;
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
    Lumo::Objects::ADevMatrix localToWorld;
    if (!pickNearest(screenPoint, ray, hit, &localToWorld))
        return false;
    const auto* mesh = static_cast<const VyrMeshNode*>(hit.node->GetInterface(VyrMeshNode::InterfaceID()));
    if (!mesh)
        return false;
    Lumo::float3 surfacePoint, surfaceNormal;
    if (!mesh->intersectSurface(ray, localToWorld, surfacePoint, surfaceNormal))
        return false;
    point = surfacePoint;
    normal = surfaceNormal;
    return true;
}

} // namespace Kairn::Graphics
