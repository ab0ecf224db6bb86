#include "ui_widgets/platform/scene/VyrCircleNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/PickGeometry.h"
#include "ui_widgets/platform/scene/ScreenSpacePicking.h"

#include <array>
#include <cmath>
#include <numbers>

namespace Kairn::Graphics {

VyrCircleNode* VyrCircleNode::createGraphicsNode()
{
    auto* node = new VyrCircleNode();
    node->init();
    return node;
}

VyrCircleNode* VyrCircleNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrCircleNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

const Lumo::Objects::UString* VyrCircleNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrCircleNode");
    return id;
}

const Lumo::Objects::UString* VyrCircleNode::ClassName() const
{
    return InterfaceID();
}

void* VyrCircleNode::GetInterface(const Lumo::Objects::UString* id)
{
    return id == InterfaceID() ? this : VyrGraphicsNode::GetInterface(id);
}

void VyrCircleNode::setRadius(float value)
{
    if (!(value > 0.0f && std::isfinite(value)) || value == m_radius)
        return;
    m_radius = value;
    update();
}

void VyrCircleNode::setFillable(bool fillable)
{
    if (fillable == m_fillable)
        return;
    m_fillable = fillable;
    update();
}

void VyrCircleNode::setWeight(float value)
{
    if (!(value >= 0.0f && std::isfinite(value)) || value == m_weight)
        return;
    m_weight = value;
    update();
}

Kairn::Objects::Box<double> VyrCircleNode::getUntransformedBounds() const
{
    const double r = m_radius;
    return {{-r, -r, 0.0}, {r, r, 0.0}};
}

float VyrCircleNode::ownPickTolerancePixels(const PickContext& context) const
{
    return m_fillable ? 0.0f : std::max(context.pixelTolerance, 0.5f * m_weight);
}

bool VyrCircleNode::intersectWorldRay(const Kairn::Objects::Ray3<float>& worldRay, const PickContext& context,
                                      float& distance, Lumo::float3& worldPoint) const
{
    if (m_fillable)
        return VyrGraphicsNode::intersectWorldRay(worldRay, context, distance, worldPoint);
    std::array<Lumo::float3, outlineSegmentCount> rim;
    for (int i = 0; i < outlineSegmentCount; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / outlineSegmentCount;
        rim[i] = {float(m_radius * std::cos(angle)), float(m_radius * std::sin(angle)), 0.0f};
    }
    return ScreenSpacePicking::intersectSegments(worldRay, context, rim.data(), outlineSegmentCount, true, m_weight,
                                                 distance, worldPoint);
}

bool VyrCircleNode::intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext&, float& t,
                                      Lumo::float3& localPoint) const
{
    if (!m_fillable || !PickGeometry::intersectDisc(localRay.origin(), localRay.direction(), m_radius, 0.0f, t))
        return false;
    localPoint = localRay.pointAt(t);
    return true;
}

} // namespace Kairn::Graphics
