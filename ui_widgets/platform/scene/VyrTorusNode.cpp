#include "ui_widgets/platform/scene/VyrTorusNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/PickGeometry.h"

#include <cmath>

namespace Kairn::Graphics {

VyrTorusNode* VyrTorusNode::createGraphicsNode()
{
    auto* node = new VyrTorusNode();
    node->init();
    return node;
}

VyrTorusNode* VyrTorusNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrTorusNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

const Lumo::Objects::UString* VyrTorusNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrTorusNode");
    return id;
}

const Lumo::Objects::UString* VyrTorusNode::ClassName() const
{
    return InterfaceID();
}

void* VyrTorusNode::GetInterface(const Lumo::Objects::UString* id)
{
    return id == InterfaceID() ? this : VyrGraphicsNode::GetInterface(id);
}

void VyrTorusNode::setRadius(float value)
{
    if (!(value >= 0.0f && std::isfinite(value)) || value == m_radius)
        return;
    m_radius = value;
    update();
}

void VyrTorusNode::setMinorRadius(float value)
{
    if (!(value > 0.0f && std::isfinite(value)) || value == m_minorRadius)
        return;
    m_minorRadius = value;
    update();
}

Kairn::Objects::Box<double> VyrTorusNode::getUntransformedBounds() const
{
    const double outer = double(m_radius) + m_minorRadius, r = m_minorRadius;
    return {{-outer, -outer, -r}, {outer, outer, r}};
}

bool VyrTorusNode::intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext&, float& t,
                                     Lumo::float3& localPoint) const
{
    if (!PickGeometry::intersectTorus(localRay.origin(), localRay.direction(), m_radius, m_minorRadius, t))
        return false;
    localPoint = localRay.pointAt(t);
    return true;
}

} // namespace Kairn::Graphics
