#include "ui_widgets/platform/scene/VyrPolylineNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/PickGeometry.h"
#include "ui_widgets/platform/scene/ScreenSpacePicking.h"

#include <cmath>

namespace Kairn::Graphics {

VyrPolylineNode* VyrPolylineNode::createGraphicsNode()
{
    auto* node = new VyrPolylineNode();
    node->init();
    return node;
}

VyrPolylineNode* VyrPolylineNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrPolylineNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

const Lumo::Objects::UString* VyrPolylineNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrPolylineNode");
    return id;
}

const Lumo::Objects::UString* VyrPolylineNode::ClassName() const
{
    return InterfaceID();
}

void* VyrPolylineNode::GetInterface(const Lumo::Objects::UString* id)
{
    return id == InterfaceID() ? this : VyrGraphicsNode::GetInterface(id);
}

bool VyrPolylineNode::addPoint(const Lumo::vec3<float>& point)
{
    if (!m_model.addPoint(point))
        return false;
    update();
    return true;
}

bool VyrPolylineNode::insertPointAtIndex(int index, const Lumo::vec3<float>& point)
{
    if (!m_model.insertPointAtIndex(index, point))
        return false;
    update();
    return true;
}

bool VyrPolylineNode::removePointAtIndex(int index)
{
    if (!m_model.removePointAtIndex(index))
        return false;
    update();
    return true;
}

void VyrPolylineNode::setClosed(bool closed)
{
    if (closed == m_model.isClosed())
        return;
    m_model.setClosed(closed);
    update();
}

void VyrPolylineNode::setFillable(bool fillable)
{
    if (fillable == m_fillable)
        return;
    m_fillable = fillable;
    update();
}

void VyrPolylineNode::setWeight(float value)
{
    if (!(value >= 0.0f && std::isfinite(value)) || value == m_weight)
        return;
    m_weight = value;
    update();
}

const std::vector<Lumo::float3>& VyrPolylineNode::drawnPoints() const
{
    if (!m_flat)
        return m_model.points();
    m_flattened.assign(m_model.points().begin(), m_model.points().end());
    for (Lumo::float3& p : m_flattened)
        p.z = 0.0f;
    return m_flattened;
}

Kairn::Objects::Box<double> VyrPolylineNode::getUntransformedBounds() const
{
    Kairn::Objects::Box<double> bounds;
    for (const Lumo::float3& p : drawnPoints())
        bounds.extend({double(p.x), double(p.y), double(p.z)});
    return bounds;
}

float VyrPolylineNode::ownPickTolerancePixels(const PickContext& context) const
{
    return std::max(context.pixelTolerance, 0.5f * m_weight);
}

bool VyrPolylineNode::ownPickBounds(const PickContext& context, PickBox& box, bool& viewDependent) const
{
    if (!VyrGraphicsNode::ownPickBounds(context, box, viewDependent))
        return false;
    const std::vector<Lumo::float3>& points = drawnPoints();
    if (!m_fillable || points.size() < 3 || m_flat)
        return true;
    const Lumo::float3 normal = PickGeometry::polygonNormal(points.data(), int(points.size()));
    Kairn::Objects::Box<double> projected;
    for (const Lumo::float3& p : points) {
        const Lumo::float3 q = p - normal * Lumo::dot(p - points[0], normal);
        projected.extend({double(q.x), double(q.y), double(q.z)});
    }
    return addLocalPickBox(projected, 0.0f, context, box, viewDependent);
}

bool VyrPolylineNode::intersectWorldRay(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context,
                                        float& distance, Lumo::float3& worldPoint) const
{
    const std::vector<Lumo::float3>& points = drawnPoints();
    bool found = ScreenSpacePicking::intersectSegments(worldRay, context, points.data(), int(points.size()),
                                                       m_model.isClosed(), m_weight, distance, worldPoint);
    float fillDistance = 0.0f;
    Lumo::float3 fillPoint;
    if (m_fillable && points.size() >= 3 && VyrGraphicsNode::intersectWorldRay(worldRay, context, fillDistance, fillPoint)
        && (!found || fillDistance < distance)) {
        distance = fillDistance;
        worldPoint = fillPoint;
        found = true;
    }
    return found;
}

bool VyrPolylineNode::intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext&, float& t,
                                        Lumo::float3& localPoint) const
{
    const std::vector<Lumo::float3>& points = drawnPoints();
    const int count = int(points.size());
    if (!m_fillable || count < 3)
        return false;
    const Lumo::float3 normal =
        m_flat ? Lumo::float3{0.0f, 0.0f, 1.0f} : PickGeometry::polygonNormal(points.data(), count);
    const Lumo::float3 origin = localRay.origin(), direction = localRay.direction();
    const float approach = Lumo::dot(direction, normal);
    if (normal == Lumo::float3{} || approach == 0.0f)
        return false;
    const float crossing = Lumo::dot(points[0] - origin, normal) / approach;
    if (!(crossing >= 0.0f))
        return false;
    const Lumo::float3 inPlane = localRay.pointAt(crossing);
    const Lumo::float3 u = Kairn::Objects::Vector3<float>(normal).getPerpendicularVector();
    if (!PickGeometry::isInsidePolygon(inPlane, points.data(), count, u, Lumo::cross(normal, u)))
        return false;
    t = crossing;
    localPoint = inPlane;
    return true;
}

} // namespace Kairn::Graphics
