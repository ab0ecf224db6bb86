#include "ui_widgets/platform/scene/VyrSphereNode.h"

#include "ui_widgets/platform/math/Intern.h"
#include "ui_widgets/platform/scene/PickGeometry.h"

#include <cmath>

namespace Kairn::Graphics {

VyrSphereNode* VyrSphereNode::createGraphicsNode()
{
    auto* node = new VyrSphereNode();
    node->init();
    return node;
}

VyrSphereNode* VyrSphereNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrSphereNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

const Lumo::Objects::UString* VyrSphereNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrSphereNode");
    return id;
}

const Lumo::Objects::UString* VyrSphereNode::ClassName() const
{
    return InterfaceID();
}

void* VyrSphereNode::GetInterface(const Lumo::Objects::UString* id)
{
    return id == InterfaceID() ? this : VyrGraphicsNode::GetInterface(id);
}

void VyrSphereNode::setRadius(float value)
{
    if (!(value > 0.0f && std::isfinite(value)) || value == m_radius)
        return;
    m_radius = value;
    update();
}

Kairn::Objects::Box<double> VyrSphereNode::getUntransformedBounds() const
{
    const double r = m_radius;
    return {{-r, -r, -r}, {r, r, r}};
}

bool VyrSphereNode::intersectLocalRay(const Kairn::Objects::Ray3<float>& localRay, const PickContext&, float& t,
                                      Lumo::float3& localPoint) const
{
    if (!PickGeometry::intersectSphere(localRay.origin(), localRay.direction(), m_radius, t))
        return false;
    localPoint = localRay.pointAt(t);
    return true;
}

} // namespace Kairn::Graphics
