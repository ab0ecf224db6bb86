#pragma once

#include "ui_widgets/platform/scene/IScene.h"

#include <map>

namespace Kairn::Graphics {

// The scene of a viewport. Nodes are listed in the order they joined. Destroying the scene takes
// every node still in it out of it.
class VyrScene : public IScene
{
public:
    VyrScene() = default;
    VyrScene(const VyrScene&) = delete;
    VyrScene& operator=(const VyrScene&) = delete;
    ~VyrScene() override;

    const std::vector<VyrGraphicsNode*>& nodes(SceneItemType type) const override;
    std::vector<SceneItemType> itemTypes() const override;
    int nodeCount() const override;
    bool containsNode(const VyrGraphicsNode* node) const override;
    quint64 revision() const override { return m_revision; }

protected:
    void addNode(VyrGraphicsNode* node, SceneItemType type) override;
    void removeNode(VyrGraphicsNode* node) override;

private:
    std::map<SceneItemType, std::vector<VyrGraphicsNode*>> m_nodes;
    quint64 m_revision = 0;
};

} // namespace Kairn::Graphics
