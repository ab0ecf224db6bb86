#include "ui_widgets/platform/scene/VyrGraphicsNodeWithProxy.h"

#include "ui_widgets/platform/math/Intern.h"

namespace Kairn::Graphics {

VyrGraphicsNodeWithProxy::VyrGraphicsNodeWithProxy(VyrGraphicsNode* main, VyrGraphicsNode* proxy)
    : m_main(main),
      m_proxy(proxy)
{
    for (VyrGraphicsNode* part : {main, proxy}) {
        part->AddRef();
        part->removeFromScene();
        part->m_proxyOwner = this;
        part->poseChanged();
    }
}

VyrGraphicsNodeWithProxy::~VyrGraphicsNodeWithProxy()
{
    for (VyrGraphicsNode* part : {m_main, m_proxy}) {
        if (!part)
            continue;
        part->m_proxyOwner = nullptr;
        part->poseChanged();
        part->ReleaseRef();
    }
}

VyrGraphicsNodeWithProxy* VyrGraphicsNodeWithProxy::createGraphicsNodeWithProxy(VyrGraphicsNode* main,
                                                                              VyrGraphicsNode* proxy)
{
    if (!main || !proxy || main == proxy)
        return nullptr;
    for (const VyrGraphicsNode* part : {main, proxy})
        if (part->m_parentGroup || part->m_proxyOwner)
            return nullptr;
    auto* node = new VyrGraphicsNodeWithProxy(main, proxy);
    node->init();
    return node;
}

const Lumo::Objects::UString* VyrGraphicsNodeWithProxy::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrGraphicsNodeWithProxy");
    return id;
}

const Lumo::Objects::UString* VyrGraphicsNodeWithProxy::ClassName() const
{
    return InterfaceID();
}

void* VyrGraphicsNodeWithProxy::GetInterface(const Lumo::Objects::UString* id)
{
    if (id && id == InterfaceID())
        return this;
    return VyrGraphicsNode::GetInterface(id);
}

bool VyrGraphicsNodeWithProxy::isProxyNode(VyrGraphicsNode* node)
{
    return getGraphicsNodeWithProxy(node) != nullptr;
}

VyrGraphicsNodeWithProxy* VyrGraphicsNodeWithProxy::getGraphicsNodeWithProxy(VyrGraphicsNode* proxy)
{
    if (!proxy || !proxy->m_proxyOwner || proxy->m_proxyOwner->m_proxy != proxy)
        return nullptr;
    return proxy->m_proxyOwner;
}

void VyrGraphicsNodeWithProxy::forgetPart(VyrGraphicsNode* part)
{
    if (part == m_main)
        m_main = nullptr;
    if (part == m_proxy)
        m_proxy = nullptr;
    notifySceneOfChange();
}

void VyrGraphicsNodeWithProxy::setColor(const Lumo::vec4<float>& color)
{
    VyrGraphicsNode::setColor(color);
    if (m_main)
        m_main->setColor(color);
}

Lumo::vec4<float> VyrGraphicsNodeWithProxy::getColor() const
{
    return m_main ? m_main->getColor() : VyrGraphicsNode::getColor();
}

Lumo::float3 VyrGraphicsNodeWithProxy::getUntransformedPosition() const
{
    return m_main ? m_main->getPosition() : VyrGraphicsNode::getUntransformedPosition();
}

Lumo::float3 VyrGraphicsNodeWithProxy::getUntransformedXDirection() const
{
    return m_main ? m_main->getXDirection() : VyrGraphicsNode::getUntransformedXDirection();
}

Lumo::float3 VyrGraphicsNodeWithProxy::getUntransformedYDirection() const
{
    return m_main ? m_main->getYDirection() : VyrGraphicsNode::getUntransformedYDirection();
}

Lumo::float3 VyrGraphicsNodeWithProxy::getUntransformedZDirection() const
{
    return m_main ? m_main->getZDirection() : VyrGraphicsNode::getUntransformedZDirection();
}

float VyrGraphicsNodeWithProxy::getUntransformedXLength() const
{
    return m_main ? m_main->getXLength() : 0.0f;
}

float VyrGraphicsNodeWithProxy::getUntransformedYLength() const
{
    return m_main ? m_main->getYLength() : 0.0f;
}

float VyrGraphicsNodeWithProxy::getUntransformedZLength() const
{
    return m_main ? m_main->getZLength() : 0.0f;
}

Kairn::Objects::Box<double> VyrGraphicsNodeWithProxy::getUntransformedBounds() const
{
    return m_main ? m_main->getPosedBounds() : Kairn::Objects::Box<double>();
}

bool VyrGraphicsNodeWithProxy::pickRay(const Kairn::Objects::Ray3<float>& worldRay, PickContext& context, PickHit& hit)
{
    if (!m_proxy || !isPickable() || (!isVisible() && !context.includeHidden))
        return false;
    return m_proxy->pickRay(worldRay, context, hit);
}

bool VyrGraphicsNodeWithProxy::ownPickBounds(const PickContext&, PickBox&, bool&) const
{
    return true;
}

int VyrGraphicsNodeWithProxy::subNodeCount() const
{
    return 2;
}

VyrGraphicsNode* VyrGraphicsNodeWithProxy::subNodeAt(int index) const
{
    return index == 0 ? m_main : index == 1 ? m_proxy : nullptr;
}

void VyrGraphicsNodeWithProxy::enumerateSubNodes(const std::function<void(VyrGraphicsNode*)>& visit) const
{
    if (!visit)
        return;
    if (m_main)
        visit(m_main);
    if (m_proxy)
        visit(m_proxy);
}

} // namespace Kairn::Graphics
