#include "ui_widgets/platform/scene/PointSelectionTool.h"

#include "ui_widgets/platform/scene/Camera.h"
#include "ui_widgets/platform/scene/IScene.h"
#include "ui_widgets/platform/scene/PickContext.h"
#include "ui_widgets/platform/scene/Viewport.h"
#include "ui_widgets/platform/scene/VyrGraphicsNode.h"
#include "ui_widgets/platform/scene/VyrMeshNode.h"

#include <algorithm>
#include <cmath>

namespace Kairn::Graphics {

PointSelectionTool::PointSelectionTool(Viewport* viewport, int kind) : m_viewport(viewport), m_kind(kind)
{
    m_candidates.reserve(16);
}

bool PointSelectionTool::seesItemType(int kind, SceneItemType type)
{
    if (kind == 1)
        return type != SceneItemModel && type != SceneItemOverlay;
    return type == kind;
}

namespace {

// Hits whose distances differ by less than this share count as one depth (see
// VyrGraphicsNode::pickRay); twice that keeps every node that could take part in such a tie.
float tieMargin(float distance)
{
    return 2e-4f * (1.0f + distance);
}

} // namespace

bool PointSelectionTool::pickNearest(const Lumo::vec2<float>& screenPoint, Kairn::Objects::Ray3<float>& ray,
                                     PickHit& hit) const
{
    if (!m_viewport || !Lumo::isFinite(screenPoint))
        return false;
    const Camera* camera = m_viewport->getCamera();
    IScene* scene = m_viewport->getScene();
    ray = camera->getPickRay(screenPoint);
    const Kairn::Objects::Vector3<float> direction = ray.direction().normalized();
    if (direction.isZero() || !ray.origin().isFinite())
        return false;
    const Kairn::Objects::Ray3<float> unitRay(ray.origin(), direction);
    PickContext context;
    context.pixelTolerance = pixelTolerance;
    context.includeHidden = m_settings.isIncludeHidden();
    context.camera = camera;

    // The nodes are tested with the camera's ray as it is, the boxes with its unit copy.
    // Broad phase: the top-level nodes whose bounds the ray reaches, nearest first, each picked
    // on its own, until every remaining box lies behind the nearest hit so far.
    struct Collect : IScene::PickCandidateVisitor
    {
        const PointSelectionTool& tool;
        const Kairn::Objects::Ray3<float>& ray;
        PickContext& context;
        SceneItemType type = 0;
        float nearest = INFINITY;
        PickHit onlyHit;

        Collect(const PointSelectionTool& t, const Kairn::Objects::Ray3<float>& r, PickContext& c)
            : tool(t), ray(r), context(c)
        {
        }
        float cutOff() const override { return nearest + tieMargin(nearest); }
        float visit(VyrGraphicsNode* node, int order, float) override
        {
            if (tool.m_settings.isTaggedOnly() && node->attachmentCount() == 0)
                return cutOff();
            PickHit own;
            if (node->pickRay(ray, context, own)) {
                tool.m_candidates.push_back({type, order, node});
                nearest = std::min(nearest, own.distance);
                onlyHit = own;
            }
            return cutOff();
        }
    } collect(*this, ray, context);
    m_candidates.clear();
    const auto collectType = [&](SceneItemType type) {
        collect.type = type;
        scene->visitPickCandidates(type, unitRay, context, collect);
    };
    if (m_kind == 1) {
        if (m_itemTypesRevision != scene->revision() || m_itemTypesScene != scene) {
            m_itemTypes = scene->itemTypes();
            m_itemTypesRevision = scene->revision();
            m_itemTypesScene = scene;
        }
        for (const SceneItemType type : m_itemTypes)
            if (seesItemType(m_kind, type))
                collectType(type);
    } else {
        collectType(m_kind);
    }

    // The exact pick over the nodes that were hit, in the scene's order, exactly as a pick over
    // every node would go: which of two hits at one depth wins depends on that order. A single
    // node that was hit gave that answer already.
    if (m_candidates.size() == 1) {
        hit = collect.onlyHit;
        return true;
    }
    std::sort(m_candidates.begin(), m_candidates.end(), [](const Candidate& a, const Candidate& b) {
        return a.type != b.type ? a.type < b.type : a.order < b.order;
    });
    for (const Candidate& candidate : m_candidates)
        candidate.node->pickRay(ray, context, hit);
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
