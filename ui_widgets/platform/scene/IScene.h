#pragma once

#include "ui_widgets/platform/math/Ray3.h"
#include "ui_widgets/platform/scene/SceneItemType.h"

#include <QtGlobal>

#include <vector>

namespace Kairn::Graphics {

class VyrGraphicsNode;
struct PickContext;

// The lists of top-level nodes a view draws and picks, one per scene item type. A scene does not
// own its nodes. Nodes join and leave through VyrGraphicsNode::addToScene / removeFromScene,
// which call addNode / removeNode.
class IScene
{
public:
    virtual ~IScene() = default;

    virtual const std::vector<VyrGraphicsNode*>& nodes(SceneItemType type) const = 0;
    // The item types that have at least one node, ascending.
    virtual std::vector<SceneItemType> itemTypes() const = 0;
    virtual int nodeCount() const = 0;
    virtual bool containsNode(const VyrGraphicsNode* node) const = 0;
    // Changes whenever a node joins or leaves.
    virtual quint64 revision() const = 0;

    // The broad phase of a pick: visits the top-level nodes of the item type that the unit ray
    // may hit in the context's view (see VyrGraphicsNode::computeSubtreePickBounds), with a
    // number that orders them as nodes(type) does and the ray parameter where it reaches their
    // bounds (0 when unknown). Each visit returns the parameter beyond which no more nodes are
    // wanted. The default visits every node, in order.
    class PickCandidateVisitor
    {
    public:
        virtual float visit(VyrGraphicsNode* node, int order, float entry) = 0;
        // The parameter beyond which no nodes are wanted before the first visit.
        virtual float cutOff() const = 0;

    protected:
        ~PickCandidateVisitor() = default;
    };
    virtual void visitPickCandidates(SceneItemType type, const Kairn::Objects::Ray3<float>& unitRay,
                                     const PickContext& context, PickCandidateVisitor& visitor) const;

protected:
    friend class VyrGraphicsNode;
    virtual void addNode(VyrGraphicsNode* node, SceneItemType type) = 0;
    virtual void removeNode(VyrGraphicsNode* node) = 0;
    // The subtree of a top-level node changed shape or place.
    virtual void nodeChanged(VyrGraphicsNode*) {}
};

} // namespace Kairn::Graphics
