#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

#include <functional>
#include <vector>

namespace Kairn::Graphics {

// A node made of child nodes, each posed in the group's frame. The group holds a reference on
// each child. Every node below a group carries, under the attachment key InterfaceID(), its
// topmost group; the root itself carries none.
class VyrGroupNode : public VyrGraphicsNode, public NetObjectCountImpl<VyrGroupNode>
{
public:
    NET_OBJECT_COUNT_OF(VyrGroupNode);

    static VyrGroupNode* createGraphicsNode();
    static VyrGroupNode* createAndAddGraphicsNode(IScene* scene, SceneItemType type);

    // A copy starts without children: a node belongs to one group only.
    VyrGroupNode(const VyrGroupNode& other);
    VyrGroupNode& operator=(const VyrGroupNode& other);
    ~VyrGroupNode() override;

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    // Adds a child (taking a reference) and takes it out of any scene and former group.
    // keepWorldPose false: the child's pose is read in the group's frame as it stands;
    // true: the child is re-posed so that it stays where it was in the world.
    // Null, the group itself, one of its ancestors or a node that is already a child: false.
    bool addChildNode(VyrGraphicsNode* node, bool keepWorldPose);
    // Adds the child with its pose as it stands, placed at `position` in the group's frame.
    bool addChildNode(VyrGraphicsNode* node, const Lumo::float3& position);
    // Releases the group's reference (which may destroy the child); false if not a child.
    bool removeChildNode(VyrGraphicsNode* node);
    void removeAllChildNodes();
    void enumerateChildNodes(const std::function<void(VyrGraphicsNode*)>& visit) const;
    int childCount() const { return int(m_children.size()); }
    VyrGraphicsNode* childAt(int index) const;
    bool containsChildNode(const VyrGraphicsNode* node) const;

    // The topmost group above the node; null for a null node or one that is in no group.
    static VyrGraphicsNode* getRootParentNode(VyrGraphicsNode* node);

    // Sets the group's colour and every child's; children added later keep their own.
    void setColor(const Lumo::vec4<float>& color) override;

    Kairn::Objects::Box<double> getUntransformedBounds() const override;
    void enumerateSubNodes(const std::function<void(VyrGraphicsNode*)>& visit) const override;
    int subNodeCount() const override;
    VyrGraphicsNode* subNodeAt(int index) const override;

protected:
    // A group has no geometry of its own; its children bound themselves.
    bool ownPickBounds(const PickContext& context, PickBox& box, bool& viewDependent) const override;
    VyrGroupNode();

private:
    friend class VyrGraphicsNode;

    // Forgets a child that is being destroyed, without releasing it.
    void forgetChild(VyrGraphicsNode* node);
    void detachChild(VyrGraphicsNode* node);

    std::vector<VyrGraphicsNode*> m_children;
};

} // namespace Kairn::Graphics
