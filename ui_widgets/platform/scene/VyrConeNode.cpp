#include "ui_widgets/platform/scene/VyrConeNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/PickGeometry.h"

#include <cmath>

namespace Kairn::Graphics {

VyrConeNode* VyrConeNode::createGraphicsNode()
{
    auto* node = new VyrConeNode();
    node->init();
    return node;
}

VyrConeNode* VyrConeNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrConeNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

const Lumo::Objects::UString* VyrConeNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrConeNode");
    return id;
}

const Lumo::Objects::UString* VyrConeNode::ClassName() const
{
    return InterfaceID();
}

void* VyrConeNode::GetInterface(const Lumo::Objects::UString* id)
{
    return id == InterfaceID() ? this : VyrGraphicsNode::GetInterface(id);
}

void VyrConeNode::setRadius(float value)
{
    if (!(value > 0.0f && std::isfinite(value)) || value == m_radius)
        return;
    m_radius = value;
    update();
}

void VyrConeNode::setHeight(float value)
{
    if (!(value > 0.0f && std::isfinite(value)) || value == m_height)
        return;
    m_height = value;
    update();
}

Kairn::Objects::Box<double> VyrConeNode::getUntransformedBounds() const
{
    const double r = m_radius;
    return {{-r, -r, 0.0}, {r, r, double(m_height)}};
}

bool VyrConeNode::intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext&, float& t,
                                    Lumo::float3& localPoint) const
{
    if (!PickGeometry::intersectCone(localRay.origin(), localRay.direction(), m_radius, m_height, t))
        return false;
    localPoint = localRay.pointAt(t);
    return true;
}

} // namespace Kairn::Graphics
