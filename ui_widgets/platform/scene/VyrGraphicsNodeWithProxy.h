#pragma once

#include "ui_widgets/platform/scene/VyrGraphicsNode.h"

namespace Kairn::Graphics {

// A node drawn as its main node and picked only through its proxy (usually a fatter, simpler
// shape). Both parts are posed in this node's frame, so pose, visibility and pickability apply to
// them as one node; the colour is the main node's. Holds a reference on each part.
class VyrGraphicsNodeWithProxy : public VyrGraphicsNode, public NetObjectCountImpl<VyrGraphicsNodeWithProxy>
{
public:
    NET_OBJECT_COUNT_OF(VyrGraphicsNodeWithProxy);

    // Null if either part is null, both are the same node, or a part already belongs to a
    // group or another proxy node.
    static VyrGraphicsNodeWithProxy* createGraphicsNodeWithProxy(VyrGraphicsNode* main, VyrGraphicsNode* proxy);

    // Parts belong to one proxy node only, so a proxy node is not copied.
    VyrGraphicsNodeWithProxy(const VyrGraphicsNodeWithProxy&) = delete;
    VyrGraphicsNodeWithProxy& operator=(const VyrGraphicsNodeWithProxy&) = delete;
    ~VyrGraphicsNodeWithProxy() override;

    static const Lumo::Objects::UString* InterfaceID();
    const Lumo::Objects::UString* ClassName() const override;
    void* GetInterface(const Lumo::Objects::UString* id) override;

    static bool isProxyNode(VyrGraphicsNode* node);
    // The proxy node that `proxy` is the pick part of, or null.
    static VyrGraphicsNodeWithProxy* getGraphicsNodeWithProxy(VyrGraphicsNode* proxy);
    VyrGraphicsNode* getMainNode() const { return m_main; }
    VyrGraphicsNode* getProxyNode() const { return m_proxy; }

    void setColor(const Lumo::vec4<float>& color) override;
    Lumo::vec4<float> getColor() const override;

    // The frame of the main node as posed in this node.
    Lumo::float3 getUntransformedPosition() const override;
    Lumo::float3 getUntransformedXDirection() const override;
    Lumo::float3 getUntransformedYDirection() const override;
    Lumo::float3 getUntransformedZDirection() const override;
    float getUntransformedXLength() const override;
    float getUntransformedYLength() const override;
    float getUntransformedZLength() const override;
    Kairn::Objects::Box<double> getUntransformedBounds() const override;

    bool pickRay(const Kairn::Objects::Ray3<float>& worldRay, PickContext& context, PickHit& hit) override;
    void enumerateSubNodes(const std::function<void(VyrGraphicsNode*)>& visit) const override;
    // Main, then proxy; a part that was destroyed is null.
    int subNodeCount() const override;
    VyrGraphicsNode* subNodeAt(int index) const override;

protected:
    // Only the parts have geometry.
    bool ownPickBounds(const PickContext& context, PickBox& box, bool& viewDependent) const override;
    VyrGraphicsNodeWithProxy(VyrGraphicsNode* main, VyrGraphicsNode* proxy);

private:
    friend class VyrGraphicsNode;

    // Forgets a part that is being destroyed, without releasing it.
    void forgetPart(VyrGraphicsNode* part);

    VyrGraphicsNode* m_main = nullptr;
    VyrGraphicsNode* m_proxy = nullptr;
};

} // namespace Kairn::Graphics
