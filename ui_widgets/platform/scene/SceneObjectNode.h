#pragma once

#include "ui_widgets/platform/scene/IVYRNode.h"

namespace Kairn::Graphics {
class VyrGraphicsNode;
}

namespace Kairn::Objects {

// Makes a scene node (the viewer's model, say) scalable by a widget: it holds a reference on the
// node and reads and writes the node's shared world matrix W. Because a node's pose is
// R . W . Translation(offset), replacing W by W . Scale(f) scales the node about its offset,
// its position as set with setPosition: that point (in world space) is the reported centre.
// The handle point is the largest corner of the node's world-space bounds. A null node gives an
// inert object: both points at the origin, an identity matrix of its own, writes ignored.
class SceneObjectNode : public IVYRNode
{
public:
    explicit SceneObjectNode(Kairn::Graphics::VyrGraphicsNode* node);
    ~SceneObjectNode() override;
    SceneObjectNode(const SceneObjectNode&) = delete;
    SceneObjectNode& operator=(const SceneObjectNode&) = delete;

    Kairn::Graphics::VyrGraphicsNode* node() const { return m_node; }

    void getReferencePoints(Vector3<double>& centre, Vector3<double>& handle) const override;
    Lumo::Objects::SharedMatrix* getWorldMatrix() const override;
    void setWorldMatrix(Lumo::Objects::SharedMatrix* matrix) override;

private:
    Kairn::Graphics::VyrGraphicsNode* m_node;
    Lumo::Objects::SharedMatrix* m_ownIdentity = nullptr;
};

} // namespace Kairn::Objects
