#include "ui_widgets/platform/scene/VyrCylinderNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/PickGeometry.h"

#include <cmath>

namespace Kairn::Graphics {

VyrCylinderNode* VyrCylinderNode::createGraphicsNode()
{
    auto* node = new VyrCylinderNode();
    node->init();
    return node;
}

VyrCylinderNode* VyrCylinderNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrCylinderNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

const Lumo::Objects::UString* VyrCylinderNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrCylinderNode");
    return id;
}

const Lumo::Objects::UString* VyrCylinderNode::ClassName() const
{
    return InterfaceID();
}

void* VyrCylinderNode::GetInterface(const Lumo::Objects::UString* id)
{
    return id == InterfaceID() ? this : VyrGraphicsNode::GetInterface(id);
}

void VyrCylinderNode::setRadius(float value)
{
    if (!(value > 0.0f && std::isfinite(value)) || value == m_radius)
        return;
    m_radius = value;
    update();
}

void VyrCylinderNode::setHeight(float value)
{
    if (!(value > 0.0f && std::isfinite(value)) || value == m_height)
        return;
    m_height = value;
    update();
}

Kairn::Objects::Box<double> VyrCylinderNode::getUntransformedBounds() const
{
    const double r = m_radius;
    return {{-r, -r, 0.0}, {r, r, double(m_height)}};
}

bool VyrCylinderNode::intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext&, float& t,
                                        Lumo::float3& localPoint) const
{
    if (!PickGeometry::intersectCylinder(localRay.origin(), localRay.direction(), m_radius, m_height, t))
        return false;
    localPoint = localRay.pointAt(t);
    return true;
}

} // namespace Kairn::Graphics
