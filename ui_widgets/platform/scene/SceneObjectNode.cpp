#include "ui_widgets/platform/scene/SceneObjectNode.h"

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"
#include "ui_widgets/platform/scene/VyrGroupNode.h"

namespace Kairn::Objects {

SceneObjectNode::SceneObjectNode(Kairn::Graphics::VyrGraphicsNode* node) : m_node(node)
{
    if (m_node) {
        m_node->AddRef();
    } else {
        m_ownIdentity = new Lumo::Objects::SharedMatrix();
        m_ownIdentity->AddRef();
    }
}

SceneObjectNode::~SceneObjectNode()
{
    if (m_node)
        m_node->ReleaseRef();
    if (m_ownIdentity)
        m_ownIdentity->ReleaseRef();
}

void SceneObjectNode::getReferencePoints(Vector3<double>& centre, Vector3<double>& handle) const
{
    centre = {};
    handle = {};
    if (!m_node)
        return;
    const Lumo::Objects::ADevMatrix parent = m_node->getParentNode() ? m_node->getParentNode()->getFullTransform()
                                                                      : Lumo::Objects::ADevMatrix();
    const Lumo::Objects::ADevMatrix offset = m_node->getOffsetMatrix();
    const Lumo::float3 fixedPoint = parent.transformPoint({offset.M41, offset.M42, offset.M43});
    centre = Vector3<float>(fixedPoint).toDouble();
    handle = centre;

    const Box<double> local = m_node->getUntransformedBounds();
    if (local.isEmpty())
        return;
    const Lumo::Objects::ADevMatrix full = m_node->getFullTransform();
    Box<double> world;
    for (int corner = 0; corner < 8; ++corner) {
        const Lumo::float3 p{float(corner & 1 ? local.max().x : local.min().x),
                             float(corner & 2 ? local.max().y : local.min().y),
                             float(corner & 4 ? local.max().z : local.min().z)};
        world.extend(Vector3<float>(full.transformPoint(p)).toDouble());
    }
    if (!world.isEmpty())
        handle = world.max();
}

Lumo::Objects::SharedMatrix* SceneObjectNode::getWorldMatrix() const
{
    return m_node ? m_node->getWorldMatrix() : m_ownIdentity;
}

void SceneObjectNode::setWorldMatrix(Lumo::Objects::SharedMatrix* matrix)
{
    if (m_node && matrix)
        m_node->setWorldMatrix(matrix);
}

} // namespace Kairn::Objects
