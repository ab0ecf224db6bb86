#pragma once

#include "ui_widgets/platform/scene/SceneItemType.h"

#include <QtGlobal>

#include <vector>

namespace Kairn::Graphics {

class VyrGraphicsNode;

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

protected:
    friend class VyrGraphicsNode;
    virtual void addNode(VyrGraphicsNode* node, SceneItemType type) = 0;
    virtual void removeNode(VyrGraphicsNode* node) = 0;
};

} // namespace Kairn::Graphics
