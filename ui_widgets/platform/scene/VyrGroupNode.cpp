#include "ui_widgets/platform/scene/VyrGroupNode.h"

#include "ui_widgets/platform/math/Intern.h"

#include <algorithm>

namespace Kairn::Graphics {

namespace {

// Gives every node below `top` the root attachment `root`, or removes it when root is null.
void markSubtree(const VyrGraphicsNode* top, VyrGraphicsNode* root)
{
    top->enumerateSubNodes([root](VyrGraphicsNode* node) {
        if (root)
            node->SetVoidAttachment(VyrGroupNode::InterfaceID(), root);
        else
            node->RemoveAttachment(VyrGroupNode::InterfaceID());
        markSubtree(node, root);
    });
}

} // namespace

VyrGroupNode::VyrGroupNode() = default;

VyrGroupNode::VyrGroupNode(const VyrGroupNode& other)
    : VyrGraphicsNode(other),
      NetObjectCountImpl<VyrGroupNode>(other)
{
}

VyrGroupNode& VyrGroupNode::operator=(const VyrGroupNode& other)
{
    VyrGraphicsNode::operator=(other);
    return *this;
}

VyrGroupNode::~VyrGroupNode()
{
    removeAllChildNodes();
}

VyrGroupNode* VyrGroupNode::createGraphicsNode()
{
    auto* node = new VyrGroupNode();
    node->init();
    return node;
}

VyrGroupNode* VyrGroupNode::createAndAddGraphicsNode(IScene* scene, SceneItemType type)
{
    if (!scene)
        return nullptr;
    VyrGroupNode* node = createGraphicsNode();
    node->addToScene(scene, type);
    return node;
}

const Lumo::Objects::UString* VyrGroupNode::InterfaceID()
{
    static const Lumo::Objects::UString* id = Lumo::Objects::Intern(L"VyrGroupNode");
    return id;
}

const Lumo::Objects::UString* VyrGroupNode::ClassName() const
{
    return InterfaceID();
}

void* VyrGroupNode::GetInterface(const Lumo::Objects::UString* id)
{
    if (id && id == InterfaceID())
        return this;
    return VyrGraphicsNode::GetInterface(id);
}

bool VyrGroupNode::addChildNode(VyrGraphicsNode* node, bool keepWorldPose)
{
    if (!node || node->m_proxyOwner || node->m_parentGroup == this)
        return false;
    for (const VyrGraphicsNode* ancestor = this; ancestor; ancestor = ancestor->frameParent())
        if (ancestor == node)
            return false;

    const VyrGraphicsNode* oldParent = node->frameParent();
    const Lumo::Objects::ADevMatrix oldParentTransform = oldParent ? oldParent->getFullTransform()
                                                                   : Lumo::Objects::ADevMatrix();
    node->AddRef();
    if (node->m_parentGroup)
        node->m_parentGroup->removeChildNode(node);
    node->removeFromScene();
    m_children.push_back(node);
    node->m_parentGroup = this;
    node->poseChanged();

    VyrGraphicsNode* root = getRootParentNode(this);
    if (!root)
        root = this;
    node->SetVoidAttachment(InterfaceID(), root);
    markSubtree(node, root);

    Lumo::Objects::ADevMatrix fromGroupFrame;
    if (keepWorldPose && Lumo::Objects::ADevMatrix::Invert(getFullTransform(), fromGroupFrame))
        node->applyInParentSpace(Lumo::Objects::ADevMatrix::Multiply(oldParentTransform, fromGroupFrame));
    update();
    return true;
}

bool VyrGroupNode::addChildNode(VyrGraphicsNode* node, const Lumo::float3& position)
{
    if (!addChildNode(node, false))
        return false;
    node->setPosition(position);
    return true;
}

void VyrGroupNode::detachChild(VyrGraphicsNode* node)
{
    node->m_parentGroup = nullptr;
    node->poseChanged();
    node->RemoveAttachment(InterfaceID());
    markSubtree(node, node->GetInterface(InterfaceID()) ? node : nullptr);
}

bool VyrGroupNode::removeChildNode(VyrGraphicsNode* node)
{
    const auto it = std::find(m_children.begin(), m_children.end(), node);
    if (!node || it == m_children.end())
        return false;
    m_children.erase(it);
    detachChild(node);
    update();
    node->ReleaseRef();
    return true;
}

void VyrGroupNode::removeAllChildNodes()
{
    const std::vector<VyrGraphicsNode*> children = std::exchange(m_children, {});
    for (VyrGraphicsNode* child : children)
        detachChild(child);
    if (!children.empty())
        update();
    for (VyrGraphicsNode* child : children)
        child->ReleaseRef();
}

void VyrGroupNode::forgetChild(VyrGraphicsNode* node)
{
    std::erase(m_children, node);
    update();
}

void VyrGroupNode::enumerateChildNodes(const std::function<void(VyrGraphicsNode*)>& visit) const
{
    if (!visit)
        return;
    // A copy, so that the visitor may add or remove children.
    const std::vector<VyrGraphicsNode*> children = m_children;
    for (VyrGraphicsNode* child : children)
        visit(child);
}

void VyrGroupNode::enumerateSubNodes(const std::function<void(VyrGraphicsNode*)>& visit) const
{
    enumerateChildNodes(visit);
}

bool VyrGroupNode::ownPickBounds(const PickContext&, PickBox&, bool&) const
{
    return true;
}

int VyrGroupNode::subNodeCount() const
{
    return childCount();
}

VyrGraphicsNode* VyrGroupNode::subNodeAt(int index) const
{
    return childAt(index);
}

VyrGraphicsNode* VyrGroupNode::childAt(int index) const
{
    return index >= 0 && index < childCount() ? m_children[std::size_t(index)] : nullptr;
}

bool VyrGroupNode::containsChildNode(const VyrGraphicsNode* node) const
{
    return node && std::find(m_children.begin(), m_children.end(), node) != m_children.end();
}

VyrGraphicsNode* VyrGroupNode::getRootParentNode(VyrGraphicsNode* node)
{
    if (!node)
        return nullptr;
    VyrGraphicsNode* root = nullptr;
    for (VyrGraphicsNode* ancestor = node->frameParent(); ancestor; ancestor = ancestor->frameParent())
        if (ancestor->GetInterface(InterfaceID()))
            root = ancestor;
    return root;
}

void VyrGroupNode::setColor(const Lumo::vec4<float>& color)
{
    VyrGraphicsNode::setColor(color);
    for (VyrGraphicsNode* child : m_children)
        child->setColor(color);
}

Kairn::Objects::Box<double> VyrGroupNode::getUntransformedBounds() const
{
    Kairn::Objects::Box<double> bounds;
    for (const VyrGraphicsNode* child : m_children) {
        const Kairn::Objects::Box<double> childBounds = child->getPosedBounds();
        if (childBounds.isEmpty())
            continue;
        bounds.extend(childBounds.min());
        bounds.extend(childBounds.max());
    }
    return bounds;
}

} // namespace Kairn::Graphics
