#include "ui_widgets/platform/scene/VyrLineSegmentNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/ScreenSpacePicking.h"

#include <cmath>

namespace Kairn::Graphics {

VyrLineSegmentNode* VyrLineSegmentNode::createGraphicsNode()
{
    auto* node = new VyrLineSegmentNode();
    node->init();
    return node;
}

VyrLineSegmentNode* VyrLineSegmentNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrLineSegmentNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

const Lumo::Objects::UString* VyrLineSegmentNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrLineSegmentNode");
    return id;
}

const Lumo::Objects::UString* VyrLineSegmentNode::ClassName() const
{
    return InterfaceID();
}

void* VyrLineSegmentNode::GetInterface(const Lumo::Objects::UString* id)
{
    return id == InterfaceID() ? this : VyrGraphicsNode::GetInterface(id);
}

void VyrLineSegmentNode::setStartPoint(const Lumo::float3& point)
{
    if (!Lumo::isFinite(point) || point == m_start)
        return;
    m_start = point;
    update();
}

void VyrLineSegmentNode::setEndPoint(const Lumo::float3& point)
{
    if (!Lumo::isFinite(point) || point == m_end)
        return;
    m_end = point;
    update();
}

void VyrLineSegmentNode::setWeight(float value)
{
    if (!(value >= 0.0f && std::isfinite(value)) || value == m_weight)
        return;
    m_weight = value;
    update();
}

Lumo::float3 VyrLineSegmentNode::getUntransformedZDirection() const
{
    const Lumo::float3 direction = Lumo::normalized(m_end - m_start);
    return direction == Lumo::float3{} ? Lumo::float3{0.0f, 0.0f, 1.0f} : direction;
}

Lumo::float3 VyrLineSegmentNode::getUntransformedYDirection() const
{
    return Kairn::Objects::Vector3<float>(getUntransformedZDirection()).getPerpendicularVector();
}

Lumo::float3 VyrLineSegmentNode::getUntransformedXDirection() const
{
    return Lumo::cross(getUntransformedYDirection(), getUntransformedZDirection());
}

Kairn::Objects::Box<double> VyrLineSegmentNode::getUntransformedBounds() const
{
    return {Kairn::Objects::Vector3<double>(m_start.x, m_start.y, m_start.z),
            Kairn::Objects::Vector3<double>(m_end.x, m_end.y, m_end.z)};
}

float VyrLineSegmentNode::ownPickTolerancePixels(const PickContext& context) const
{
    return std::max(context.pixelTolerance, 0.5f * m_weight);
}

bool VyrLineSegmentNode::intersectWorldRay(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context,
                                           float& distance, Lumo::float3& worldPoint) const
{
    const Lumo::float3 ends[2] = {m_start, m_end};
    return ScreenSpacePicking::intersectSegments(worldRay, context, ends, 2, false, m_weight, distance, worldPoint);
}

} // namespace Kairn::Graphics
